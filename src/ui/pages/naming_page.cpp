#include "ui/pages/naming_page.h"

#include "model/config_model.h"
#include "ui/grids/name_grid.h"
#include "ui/grids/name_list_model.h"

namespace zel::ui {

namespace {
constexpr int kLeftGridX = 16;
constexpr int kRightGridX = 368;
} // namespace

NamingPage::NamingPage(model::ConfigModel& model, QWidget* parent)
    : EditorPage(model, parent), m_zoneNames(new NameListModel(model, NameList::Zones, this)),
      m_sourceNames(new NameListModel(model, NameList::Sources, this)),
      m_zoneGrid(placeNameGrid(this, m_zoneNames, QStringLiteral("Zone Names"), kLeftGridX,
                               NameGrid::kZoneNameWidth)),
      m_sourceGrid(placeNameGrid(this, m_sourceNames, QStringLiteral("Source Names"), kRightGridX,
                                 NameGrid::kNameWidth))
{
    // Zone names head the matrices' rows and source names fill the favorites corner.
    connect(m_zoneNames, &NameListModel::nameEdited, this, &EditorPage::namesChanged);
    connect(m_sourceNames, &NameListModel::nameEdited, this, &EditorPage::namesChanged);
}

void NamingPage::resetView()
{
    m_zoneGrid->setNameWidth(NameGrid::kZoneNameWidth);
    m_sourceGrid->setNameWidth(NameGrid::kNameWidth);
    refreshNames();
}

void NamingPage::loadFromModel()
{
    m_zoneNames->setShownRows(m_model.zoneCount());
    m_sourceNames->setShownRows(m_model.sourceCount());
    refreshNames();
}

bool NamingPage::edits(model::DiffSubject subject) const
{
    return subject == model::DiffSubject::Counts || subject == model::DiffSubject::Zone ||
           subject == model::DiffSubject::Source;
}

void NamingPage::showRecord(model::DiffSubject subject, int number)
{
    if (subject == model::DiffSubject::Zone)
        m_zoneGrid->showCell(number - 1, 1);
    else if (subject == model::DiffSubject::Source)
        m_sourceGrid->showCell(number - 1, 1);
}

void NamingPage::refreshNames()
{
    m_zoneNames->namesReplaced();
    m_sourceNames->namesReplaced();
}

} // namespace zel::ui
