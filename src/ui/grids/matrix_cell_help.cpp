#include "ui/grids/matrix_cell_help.h"

#include <QCoreApplication>

namespace zel::ui {

namespace {

QString markMeaning(MatrixKind kind, const QString& mark)
{
    if (mark.isEmpty())
        return kind == MatrixKind::Favorites ? QCoreApplication::translate("Grids", "no connection")
                                             : QCoreApplication::translate("Grids", "not a member");
    if (mark.startsWith(QLatin1Char('A')))
        return QCoreApplication::translate("Grids", "audio");
    if (mark.startsWith(QLatin1Char('G')))
        return QCoreApplication::translate("Grids", "member");
    if (mark.startsWith(QLatin1Char('X')))
        return QCoreApplication::translate("Grids", "unavailable");
    if (mark.startsWith(QLatin1Char('?')))
        return QCoreApplication::translate("Grids", "marked");
    return mark;
}

} // namespace

QString matrixColumnName(MatrixKind kind, int column, const QString& name)
{
    if (column == 0)
        return QCoreApplication::translate("Grids", "Zone");
    if (!name.trimmed().isEmpty())
        return name;
    return (kind == MatrixKind::Favorites ? QCoreApplication::translate("Grids", "Source %1")
                                          : QCoreApplication::translate("Grids", "Group %1"))
        .arg(column);
}

QString matrixRowName(int zone, const QString& name)
{
    return name.trimmed().isEmpty() ? QCoreApplication::translate("Grids", "Zone %1").arg(zone)
                                    : name;
}

QString matrixCellName(MatrixKind kind, const QString& rowName, const QString& columnName,
                       const QString& mark)
{
    return QStringLiteral("%1, %2: %3").arg(rowName, columnName, markMeaning(kind, mark));
}

QString matrixCellTip(MatrixKind kind, const QString& mark)
{
    if (mark.startsWith(QLatin1Char('X')))
        return kind == MatrixKind::Favorites
                   ? QCoreApplication::translate("Grids",
                                                 "X: the loaded unit has no such zone or source")
                   : QCoreApplication::translate("Grids", "X: the loaded unit has no such zone");
    if (kind == MatrixKind::Groups)
        return mark.startsWith(QLatin1Char('G'))
                   ? QCoreApplication::translate(
                         "Grids", "G: the zone is a member of this group; Space or Enter "
                                  "takes it out")
                   : QCoreApplication::translate(
                         "Grids", "Not a member; Space or Enter adds the zone to this group");
    if (mark.startsWith(QLatin1Char('A')))
        return QCoreApplication::translate(
            "Grids", "A: in this favorite the zone plays this source's audio; Space or "
                     "Enter for no connection");
    if (mark.startsWith(QLatin1Char('?')))
        return QCoreApplication::translate(
            "Grids", "?: the cell chosen last (the corner names its source); Space or "
                     "Enter makes the zone play this source");
    return QCoreApplication::translate(
        "Grids", "No connection; Space or Enter makes the zone play this source, "
                 "Shift+F10 opens the menu");
}

} // namespace zel::ui
