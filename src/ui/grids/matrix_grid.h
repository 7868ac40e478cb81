#pragma once
// A matrix grid (favorites or groups): cell (c, r) with header row 0 and label column 0, both
// fixed. Row 0 is the table's header, so it stays in view while the rows scroll; model row r - 1
// holds grid row r. The grid reports the user's actions in grid coordinates and leaves their
// meaning to its page:
//   cellSelected      - a cell was made current: left button released after a press on a
//                       non-header cell (not the release that ends a double-click), or the
//                       keyboard moved the current cell;
//   cellDoubleClicked - second press of a double-click, or Space or Enter on the selection;
//   rightPressed      - right-button press anywhere on the grid; the selection stays as it is;
//   contextMenuKey    - the context menu was asked for from the keyboard (the Menu key or
//                       Shift+F10), to open at the current cell.
// Rules that speak of the selected cell use the top-left cell of the selection.

#include "ui/grids/grid_view.h"

#include <QPoint>

namespace zel::ui {

class MatrixGrid : public GridView {
    Q_OBJECT
public:
    static constexpr int kLabelWidth = 100;
    static constexpr int kCellWidth = 25;
    static constexpr int kRowHeight = 24;
    static constexpr QPoint kNoCell{-1, -1};

    // `cells` has one column per grid column and one row per grid row below the header.
    explicit MatrixGrid(QAbstractItemModel* cells, QWidget* parent = nullptr);

    // Width of the label column: 100, or wider when a zone name of 16 characters needs more in
    // the grid's font.
    int fittedLabelWidth() const;

    QString cellText(int c, int r) const;
    void setCellText(int c, int r, const QString& text);
    int gridColumns() const;
    int gridRows() const; // header row included

    // Top-left cell of the selection, or the current cell; kNoCell when there is neither.
    QPoint selectedCell() const;
    // Cell under a point of the cells' viewport; kNoCell outside every cell.
    QPoint cellAt(const QPoint& viewportPos) const;

    // Where a cell lies on screen, for pointer actions: the widget that shows it (the header
    // for row 0, else the viewport, scrolled so that the cell is in view) and its centre there.
    QWidget* cellWidget(int c, int r);
    QPoint cellCentre(int c, int r);

signals:
    void cellSelected(QPoint cell);
    void cellDoubleClicked(QPoint cell);
    void rightPressed(QPoint cell, QPoint globalPos);
    void contextMenuKey(QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPoint currentCellGlobalCentre() const;

    bool m_releaseEndsDoubleClick = false;
};

} // namespace zel::ui
