#pragma once
// Header row of a matrix: row 0 of the grid, drawn cell by cell with the shared cell painter.
// Section 0 is the corner cell above the label column. A right-button press on it is reported
// to the matrix like a press on any other cell.

#include <QHeaderView>

namespace zel::ui {

class MatrixHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit MatrixHeader(QWidget* parent = nullptr);

    QSize sizeHint() const override;

signals:
    void rightPressed(int column, QPoint globalPos);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace zel::ui
