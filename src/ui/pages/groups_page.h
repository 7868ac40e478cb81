#pragma once
// The "Groups" page: the groups matrix, one row per zone and one column per group. A
// double-click toggles zone z's membership of group g ("G") in the ConfigModel at once; a click
// shows the column's group name in the corner. Rows of zones beyond the zone count show "X" and
// do not change.

#include "ui/pages/editor_page.h"

#include <QPoint>

class QLabel;

namespace zel::ui {

class GroupMarksTable;
class MatrixGrid;

class GroupsPage : public EditorPage {
    Q_OBJECT
public:
    explicit GroupsPage(model::ConfigModel& model, QWidget* parent = nullptr);

    MatrixGrid* matrix() const { return m_matrix; }

    void resetView() override;
    void loadFromModel() override;
    void refreshNames() override;
    bool edits(model::DiffSubject subject) const override;
    void showRecord(model::DiffSubject subject, int number) override;
    void showMember(const model::Difference& d) override;

    // The matrix's rules, in grid coordinates (column g = group, row z = zone).
    void selectCell(QPoint cell);
    void toggleMembership(QPoint cell);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Sizes the row headers for the font in use and places the matrix and captions around them.
    void arrangeForFont();
    void showCornerName();

    GroupMarksTable* m_cells;
    MatrixGrid* m_matrix;
    QLabel* m_groupNameCaption;
    QLabel* m_groupsCaption;
    QLabel* m_zonesCaption;
    int m_cornerGroup = 0; // group whose name the corner shows; 0 = none yet
};

} // namespace zel::ui
