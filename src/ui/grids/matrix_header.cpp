#include "ui/grids/matrix_header.h"

#include "ui/grids/grid_cell_painter.h"
#include "ui/grids/grid_view.h"
#include "ui/grids/matrix_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionViewItem>

namespace zel::ui {

MatrixHeader::MatrixHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setMinimumSectionSize(1);
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setHighlightSections(false);
}

QSize MatrixHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(MatrixGrid::kRowHeight + GridView::kGridLine);
    return size;
}

void MatrixHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QString text = model()->headerData(logicalIndex, Qt::Horizontal).toString();
    const QFont& gridFont = parentWidget() ? parentWidget()->font() : font();
    const QRect cell = rect.adjusted(0, 0, -GridView::kGridLine, -GridView::kGridLine);
    paintGridCell(*painter, cell, text,
                  cellLook(GridKind::Matrix, logicalIndex, 0, text, isEnabled(), palette()),
                  CellAlignment::Centred, gridFont);

    // The same grid lines as the table draws between its cells.
    QStyleOptionViewItem option;
    option.initFrom(this);
    const auto gridHint =
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this));
    painter->save();
    painter->setPen(QColor::fromRgba(gridHint));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->restore();
}

void MatrixHeader::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        emit rightPressed(logicalIndexAt(event->position().toPoint()),
                          event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QHeaderView::mousePressEvent(event);
}

} // namespace zel::ui
