#pragma once
// Common ground of the naming grids and the matrices: a table whose column 0 is a fixed label
// column that can be neither selected nor made current, with fixed column widths and row
// heights given as the cell's own size (the one-pixel grid line comes on top), and no typing
// search that would move the current cell. Tab leaves the grid; the arrow keys move the current
// cell, which shows a focus frame while the grid has the focus.

#include <QTableView>

namespace zel::ui {

class GridView : public QTableView {
    Q_OBJECT
public:
    static constexpr int kGridLine = 1;

    explicit GridView(QWidget* parent = nullptr);

    // Width of the cells of `column`, without the grid line.
    void setCellWidth(int column, int width);
    // Height of every row, without the grid line.
    void setCellHeight(int height);

    void keyboardSearch(const QString&) override {}

    // Makes the cell current, in view and the grid focused.
    void showCell(int row, int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    // True while a left-button press that began on a selectable cell has not been released.
    bool leftPressOnCell() const { return m_leftPressOnCell; }
    void clearLeftPress() { m_leftPressOnCell = false; }

private:
    bool m_leftPressOnCell = false;
};

} // namespace zel::ui
