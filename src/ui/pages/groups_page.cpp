#include "ui/pages/groups_page.h"

#include "text/latin1_text.h"

#include "model/config_model.h"
#include "ui/common/page_caption.h"
#include "ui/grids/group_marks_table.h"
#include "ui/grids/matrix_grid.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace zel::ui {

namespace {
constexpr QRect kGroupsMatrixGeometry{47, 28, 383, 329};
} // namespace

GroupsPage::GroupsPage(model::ConfigModel& model, QWidget* parent)
    : EditorPage(model, parent), m_cells(new GroupMarksTable(model, this)),
      m_matrix(new MatrixGrid(m_cells, this)),
      m_groupNameCaption(placeBoldCaption(this, tr("Group Name"), {})),
      m_groupsCaption(placeBoldCaption(this, tr("Groups"), {})),
      m_zonesCaption(placeBoldCaption(this, tr("Zones"), {8, 56}))
{
    m_matrix->setAccessibleName(tr("Groups: zones by groups"));
    arrangeForFont();

    connect(m_matrix, &MatrixGrid::cellSelected, this, &GroupsPage::selectCell);
    connect(m_matrix, &MatrixGrid::cellDoubleClicked, this, &GroupsPage::toggleMembership);
}

void GroupsPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        arrangeForFont();
    EditorPage::changeEvent(event);
}

void GroupsPage::arrangeForFont()
{
    // Whole zone names in the row headers; "Zones" stays left of them and the other captions
    // above the corner and the group numbers.
    m_zonesCaption->adjustSize();
    m_groupNameCaption->adjustSize();
    m_groupsCaption->adjustSize();
    const int labelWidth = m_matrix->fittedLabelWidth();
    m_matrix->setCellWidth(0, labelWidth);
    const int left = std::max(kGroupsMatrixGeometry.x(), m_zonesCaption->geometry().right() + 5);
    m_matrix->setGeometry(left, kGroupsMatrixGeometry.y(),
                          kGroupsMatrixGeometry.width() + labelWidth - MatrixGrid::kLabelWidth,
                          kGroupsMatrixGeometry.height());
    m_groupNameCaption->move(left, 8);
    m_groupsCaption->move(left + labelWidth + 14, 8);
}

void GroupsPage::resetView()
{
    // The model's reset has emptied the membership; the corner keeps its text.
    m_matrix->setCellWidth(0, m_matrix->fittedLabelWidth());
    for (int z = 1; z <= model::kMaxZones; ++z)
        m_cells->setRowHeader(z, tr("Zone %1").arg(z));
    m_cells->marksReplaced();
}

void GroupsPage::loadFromModel()
{
    // The reader run has put the "X" of unavailable zones into the membership itself.
    m_cells->marksReplaced();
}

void GroupsPage::refreshNames()
{
    for (int z = 1; z <= m_model.zoneCount(); ++z)
        m_cells->setRowHeader(z, text::fromLatin1(m_model.zoneName(z)));
    showCornerName();
}

void GroupsPage::selectCell(QPoint cell)
{
    // Also in unavailable rows: a click only names the column's group.
    if (!model::ConfigModel::isGroup(cell.x()))
        return;
    m_cornerGroup = cell.x();
    showCornerName();
}

void GroupsPage::toggleMembership(QPoint cell)
{
    const int g = cell.x();
    const int z = cell.y();
    if (!model::ConfigModel::isGroup(g) || z < 1 || z > m_model.zoneCount())
        return;
    const bool member = !m_model.groupMark(g, z).empty();
    m_matrix->setCellText(g, z, member ? QString() : text::fromLatin1(model::kGroupMark));
    reportEdit({tr("Group %1 Zone %2").arg(g).arg(z), {}, model::DiffSubject::Group, g});
}

void GroupsPage::showCornerName()
{
    if (m_cornerGroup > 0)
        m_matrix->setCellText(0, 0, text::fromLatin1(m_model.groupName(m_cornerGroup)));
}

bool GroupsPage::edits(model::DiffSubject subject) const
{
    return subject == model::DiffSubject::Group;
}

void GroupsPage::showRecord(model::DiffSubject, int number)
{
    // The group's column, its name in the corner.
    m_matrix->showCell(0, number);
    selectCell(QPoint(number, 1));
}

void GroupsPage::showMember(const model::Difference& d)
{
    if (d.zone < 1 || d.zone > model::kMaxZones) {
        showRecord(d.subject, d.number);
        return;
    }
    // A member's own cell: the zone's row in the group's column.
    m_matrix->showCell(d.zone - 1, d.number);
    selectCell(QPoint(d.number, d.zone));
}

} // namespace zel::ui
