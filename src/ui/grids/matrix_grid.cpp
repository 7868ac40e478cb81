#include "ui/grids/matrix_grid.h"

#include "ui/common/name_width.h"
#include "ui/grids/grid_cell_delegate.h"
#include "ui/grids/matrix_header.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace zel::ui {

namespace {
constexpr int kLabelPadding = 8; // room either side of a centred zone name
} // namespace

MatrixGrid::MatrixGrid(QAbstractItemModel* cells, QWidget* parent) : GridView(parent)
{
    auto* header = new MatrixHeader(this);
    setHorizontalHeader(header);
    setModel(cells);
    setItemDelegate(new GridCellDelegate(GridKind::Matrix, 1, this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    setCellWidth(0, fittedLabelWidth());
    for (int c = 1; c < gridColumns(); ++c)
        setCellWidth(c, kCellWidth);
    setCellHeight(kRowHeight);
    if (gridColumns() > 1 && gridRows() > 1)
        setCurrentIndex(cells->index(0, 1));

    connect(header, &MatrixHeader::rightPressed, this, [this](int column, QPoint globalPos) {
        emit rightPressed(column < 0 ? kNoCell : QPoint(column, 0), globalPos);
    });
}

int MatrixGrid::fittedLabelWidth() const
{
    return fittedWidth(kLabelWidth, nameTextWidth(fontMetrics()), kLabelPadding);
}

QString MatrixGrid::cellText(int c, int r) const
{
    if (r == 0)
        return model()->headerData(c, Qt::Horizontal).toString();
    return model()->index(r - 1, c).data().toString();
}

void MatrixGrid::setCellText(int c, int r, const QString& text)
{
    if (r == 0)
        model()->setHeaderData(c, Qt::Horizontal, text);
    else
        model()->setData(model()->index(r - 1, c), text);
}

int MatrixGrid::gridColumns() const
{
    return model()->columnCount();
}

int MatrixGrid::gridRows() const
{
    return model()->rowCount() + 1;
}

QPoint MatrixGrid::selectedCell() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        int column = selected.first().column();
        int row = selected.first().row();
        for (const QModelIndex& index : selected) {
            column = std::min(column, index.column());
            row = std::min(row, index.row());
        }
        return {column, row + 1};
    }
    const QModelIndex current = currentIndex();
    return current.isValid() ? QPoint(current.column(), current.row() + 1) : kNoCell;
}

QPoint MatrixGrid::cellAt(const QPoint& viewportPos) const
{
    const QModelIndex index = indexAt(viewportPos);
    return index.isValid() ? QPoint(index.column(), index.row() + 1) : kNoCell;
}

QWidget* MatrixGrid::cellWidget(int, int r)
{
    return r == 0 ? horizontalHeader()->viewport() : viewport();
}

QPoint MatrixGrid::cellCentre(int c, int r)
{
    if (r == 0) {
        const QHeaderView* header = horizontalHeader();
        return {header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                header->height() / 2};
    }
    const QModelIndex index = model()->index(r - 1, c);
    scrollTo(index);
    return visualRect(index).center();
}

void MatrixGrid::mousePressEvent(QMouseEvent* event)
{
    m_releaseEndsDoubleClick = false;
    if (event->button() == Qt::RightButton) {
        // Records where the menu acts; the selection and the current cell stay.
        emit rightPressed(cellAt(event->position().toPoint()), event->globalPosition().toPoint());
        event->accept();
        return;
    }
    GridView::mousePressEvent(event);
}

void MatrixGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const bool clickOnCell = event->button() == Qt::LeftButton && leftPressOnCell();
    const bool endsDoubleClick = m_releaseEndsDoubleClick;
    if (event->button() == Qt::LeftButton) {
        clearLeftPress();
        m_releaseEndsDoubleClick = false;
    }
    GridView::mouseReleaseEvent(event);
    if (clickOnCell && !endsDoubleClick) {
        const QPoint cell = selectedCell();
        if (cell != kNoCell)
            emit cellSelected(cell);
    }
}

void MatrixGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || index.column() == 0)
        return;
    m_releaseEndsDoubleClick = true;
    const QPoint cell = selectedCell();
    if (cell != kNoCell)
        emit cellDoubleClicked(cell);
}

void MatrixGrid::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                  event->key() == Qt::Key_Enter)) {
        // What a double-click on the selected cell does.
        event->accept();
        const QPoint cell = selectedCell();
        if (cell != kNoCell && cell.x() != 0)
            emit cellDoubleClicked(cell);
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        // The usual key for the context menu where the keyboard has no Menu key.
        event->accept();
        emit contextMenuKey(currentCellGlobalCentre());
        return;
    }
    const QModelIndex before = currentIndex();
    GridView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before && after.column() != 0)
        emit cellSelected(selectedCell());
}

void MatrixGrid::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    // A right-button press has already been reported and opened the menu.
    if (event->reason() == QContextMenuEvent::Mouse)
        return;
    emit contextMenuKey(currentCellGlobalCentre());
}

QPoint MatrixGrid::currentCellGlobalCentre() const
{
    const QRect current = visualRect(currentIndex());
    const QPoint local = current.isValid() ? current.center() : QPoint(0, 0);
    return viewport()->mapToGlobal(local);
}

} // namespace zel::ui
