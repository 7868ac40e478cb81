#include "ui/grids/grid_cell_delegate.h"

#include <QPainter>
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
    paintGridCell(*painter, option.rect, text,
                  cellLook(m_kind, column, index.row() + m_firstRow, text, enabled, palette),
                  cellAlignment(m_kind, column), option.font);
}

} // namespace zel::ui
