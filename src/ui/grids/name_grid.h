#pragma once
// A naming grid: a fixed label column and an editable name column over one NameListModel.
// Typing into a selected name cell edits it in place; every change of the editor's text is the
// name's new value at once, and the typing limit of nameKeyAllowed() holds both before and
// while the editor is open.

#include "ui/grids/grid_view.h"

namespace zel::ui {

class NameListModel;

class NameGrid : public GridView {
    Q_OBJECT
public:
    static constexpr int kWidth = 297;
    static constexpr int kHeight = 340;
    static constexpr int kLabelWidth = 64;
    static constexpr int kRowHeight = 20;
    static constexpr int kZoneNameWidth = 208;
    static constexpr int kNameWidth = 227;

    NameGrid(NameListModel* names, int nameWidth, QWidget* parent = nullptr);

    NameListModel* names() const { return m_names; }
    // Width of the name column, without the grid line; the reset sets it.
    void setNameWidth(int width);
    int nameWidth() const { return m_nameWidth; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    NameListModel* m_names;
    int m_nameWidth;
    bool m_pressOnSelectedCell = false;
};

// Puts a bold caption 20 pixels above a new name grid at `left` on a naming page.
NameGrid* placeNameGrid(QWidget* page, NameListModel* names, const QString& caption, int left,
                        int nameWidth);

} // namespace zel::ui
