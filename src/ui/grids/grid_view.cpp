#include "ui/grids/grid_view.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace zel::ui {

void GridView::showCell(int row, int column)
{
    const QModelIndex cell = model()->index(row, column);
    if (!cell.isValid())
        return;
    setCurrentIndex(cell);
    scrollTo(cell);
    setFocus();
}

GridView::GridView(QWidget* parent) : QTableView(parent)
{
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
        header->setSectionsClickable(false);
    }
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab and Shift+Tab go on to the next control of the page; the arrow keys move between cells.
    setTabKeyNavigation(false);
}

void GridView::setCellWidth(int column, int width)
{
    setColumnWidth(column, width + kGridLine);
}

void GridView::setCellHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height + kGridLine);
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    // The label column is fixed: pressing on it neither selects nor starts anything.
    if (index.isValid() && index.column() == 0) {
        m_leftPressOnCell = false;
        event->accept();
        return;
    }
    m_leftPressOnCell = event->button() == Qt::LeftButton && index.isValid();
    QTableView::mousePressEvent(event);
}

QModelIndex GridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = QTableView::moveCursor(cursorAction, modifiers);
    if (!target.isValid() || target.column() != 0)
        return target;
    // Never land on a label: Home (and a move to the next cell) goes on to the row's first
    // cell, a move to the previous cell back to the previous row's last cell, other moves stay
    // where they are.
    const QModelIndex current = currentIndex();
    switch (cursorAction) {
    case MoveNext:
    case MoveHome:
        return target.siblingAtColumn(1);
    case MovePrevious:
        if (current.isValid() && current.row() > 0)
            return model()->index(current.row() - 1, model()->columnCount() - 1);
        return current;
    default:
        return current.isValid() ? current : target.siblingAtColumn(1);
    }
}

} // namespace zel::ui
