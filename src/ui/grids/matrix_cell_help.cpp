#include "ui/grids/matrix_cell_help.h"

namespace zel::ui {

namespace {

QString markMeaning(MatrixKind kind, const QString& mark)
{
    if (mark.isEmpty())
        return kind == MatrixKind::Favorites ? QStringLiteral("no connection")
                                             : QStringLiteral("not a member");
    if (mark.startsWith(QLatin1Char('A')))
        return QStringLiteral("audio");
    if (mark.startsWith(QLatin1Char('G')))
        return QStringLiteral("member");
    if (mark.startsWith(QLatin1Char('X')))
        return QStringLiteral("unavailable");
    if (mark.startsWith(QLatin1Char('?')))
        return QStringLiteral("marked");
    return mark;
}

} // namespace

QString matrixCellName(MatrixKind kind, const QString& rowHeader, int column, const QString& mark)
{
    const QString zone = rowHeader.trimmed().isEmpty() ? QStringLiteral("unnamed zone") : rowHeader;
    const QString columnName =
        kind == MatrixKind::Favorites ? QStringLiteral("source %1") : QStringLiteral("group %1");
    return QStringLiteral("%1, %2: %3").arg(zone, columnName.arg(column), markMeaning(kind, mark));
}

QString matrixCellTip(MatrixKind kind, const QString& mark)
{
    if (mark.startsWith(QLatin1Char('X')))
        return kind == MatrixKind::Favorites
                   ? QStringLiteral("X: the loaded unit has no such zone or source")
                   : QStringLiteral("X: the loaded unit has no such zone");
    if (kind == MatrixKind::Groups)
        return mark.startsWith(QLatin1Char('G'))
                   ? QStringLiteral("G: the zone is a member of this group; double-click to "
                                    "take it out")
                   : QStringLiteral("Not a member; double-click to add the zone to this group");
    if (mark.startsWith(QLatin1Char('A')))
        return QStringLiteral("A: in this favorite the zone plays this source's audio; "
                              "double-click for no connection");
    if (mark.startsWith(QLatin1Char('?')))
        return QStringLiteral("?: the cell last clicked (the corner names its source); "
                              "double-click to make the zone play this source");
    return QStringLiteral("No connection; double-click to make the zone play this source, or "
                          "right-click for the menu");
}

} // namespace zel::ui
