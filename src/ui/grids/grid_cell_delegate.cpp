#include "ui/grids/grid_cell_delegate.h"

#include "ui/access/focus_frame.h"

#include <QPainter>
#include <QStyle>
#include <QWidget>

namespace zel::ui {

GridCellDelegate::GridCellDelegate(GridKind kind, int firstRow, QObject* parent)
    : QStyledItemDelegate(parent), m_kind(kind), m_firstRow(firstRow)
{
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    const bool enabled = option.widget ? option.widget->isEnabled() : true;
    const QPalette& palette = option.widget ? option.widget->palette() : option.palette;
    const int column = index.column();
    const CellLook look =
        cellLook(m_kind, column, index.row() + m_firstRow, text, enabled, palette);
    paintGridCell(*painter, option.rect, text, look, cellAlignment(m_kind, column), option.font);
    // The current cell of the grid that has the focus: the cell that typing or a key acts on.
    // The grids never fill a chosen cell, so the highlight colour is free for the frame.
    if (option.state & QStyle::State_HasFocus)
        paintFocusRect(*painter, option.rect, palette.color(QPalette::Active, QPalette::Highlight));
}

} // namespace zel::ui
