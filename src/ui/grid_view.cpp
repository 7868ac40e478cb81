#include "ui/grid_view.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace zel::ui {

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
    if (target.isValid() && target.column() == 0) {
        // Stay in the first selectable column rather than landing on a label.
        const QModelIndex current = currentIndex();
        return current.isValid() ? current : target.siblingAtColumn(1);
    }
    return target;
}

} // namespace zel::ui
