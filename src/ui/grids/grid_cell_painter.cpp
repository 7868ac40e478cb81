#include "ui/grids/grid_cell_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QRect>

namespace zel::ui {

namespace {

constexpr int kNameIndent = 10;

QColor buttonFace(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::Button);
}

QColor inactiveCaptionText(const QPalette& palette)
{
    return palette.color(QPalette::Disabled, QPalette::WindowText);
}

// First match wins. Favorites cells hold "?", "A" or "X" and group cells "G" or "X", so one list
// serves both matrices.
CellLook matrixLook(int column, int row, const QString& text, QColor textColour,
                    const QPalette& palette)
{
    if (row == 0 && column == 0)
        return {Qt::white, textColour};
    if (row == 0)
        return {kHeaderRowFill, textColour};
    if (column == 0)
        return {buttonFace(palette), textColour};
    if (text.startsWith(QLatin1Char('?')))
        return {kMarkerFill, Qt::white};
    if (text.startsWith(QLatin1Char('A')))
        return {kAudioFill, textColour};
    if (text.startsWith(QLatin1Char('G')))
        return {kGroupFill, textColour};
    if (text.startsWith(QLatin1Char('X')))
        return {buttonFace(palette), textColour};
    return {Qt::white, textColour};
}

} // namespace

CellLook cellLook(GridKind kind, int column, int row, const QString& text, bool enabled,
                  const QPalette& palette)
{
    const QColor textColour = enabled ? QColor(Qt::black) : inactiveCaptionText(palette);
    if (kind == GridKind::Matrix)
        return matrixLook(column, row, text, textColour, palette);
    return {column == 0 ? buttonFace(palette) : QColor(Qt::white), textColour};
}

CellAlignment cellAlignment(GridKind kind, int column)
{
    return kind == GridKind::Naming && column != 0 ? CellAlignment::Indented
                                                   : CellAlignment::Centred;
}

void paintGridCell(QPainter& painter, const QRect& rect, const QString& text, const CellLook& look,
                   CellAlignment alignment, const QFont& font)
{
    painter.save();
    painter.fillRect(rect, look.fill);
    painter.setClipRect(rect);
    painter.setFont(font);
    painter.setPen(look.text);

    const QFontMetrics metrics(font);
    // Integer division rounds toward zero, also when the text is wider than the cell.
    const int left = alignment == CellAlignment::Centred
                         ? rect.left() + (rect.width() - metrics.horizontalAdvance(text)) / 2
                         : rect.left() + kNameIndent;
    const int top = rect.top() + (rect.height() - metrics.height()) / 2;
    painter.drawText(QPoint(left, top + metrics.ascent()), text);
    painter.restore();
}

} // namespace zel::ui
