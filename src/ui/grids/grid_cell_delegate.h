#pragma once
// Item delegate that draws the cells of a naming grid or a matrix with the shared cell painter.

#include "ui/grids/grid_cell_painter.h"

#include <QStyledItemDelegate>

namespace zel::ui {

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // `firstRow` is the grid row that model row 0 stands for: 1 in a matrix, whose row 0 is the
    // header row shown by the header view.
    GridCellDelegate(GridKind kind, int firstRow, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    GridKind kind() const { return m_kind; }

private:
    GridKind m_kind;
    int m_firstRow;
};

} // namespace zel::ui
