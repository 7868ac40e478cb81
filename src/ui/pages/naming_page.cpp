#include "ui/pages/naming_page.h"

#include "model/config_model.h"
#include "ui/grids/name_grid.h"

namespace zel::ui {

namespace {
constexpr std::array<int, 2> kGridX = {16, 368}; // left, right
} // namespace

const NamingPageSettings kSourceZoneNaming = {
    {{{NameList::Zones, model::DiffSubject::Zone,
       QT_TRANSLATE_NOOP("zel::ui::NamingPage", "Zone Names"), NameGrid::kZoneNameWidth},
      {NameList::Sources, model::DiffSubject::Source,
       QT_TRANSLATE_NOOP("zel::ui::NamingPage", "Source Names"), NameGrid::kNameWidth}}},
    true};

const NamingPageSettings kFavoriteGroupNaming = {
    {{{NameList::Favorites, model::DiffSubject::FavoriteName,
       QT_TRANSLATE_NOOP("zel::ui::NamingPage", "Favorite Names"), NameGrid::kNameWidth},
      {NameList::Groups, model::DiffSubject::GroupName,
       QT_TRANSLATE_NOOP("zel::ui::NamingPage", "Group Names"), NameGrid::kNameWidth}}},
    false};

NamingPage::NamingPage(model::ConfigModel& model, const NamingPageSettings& settings,
                       QWidget* parent)
    : EditorPage(model, parent), m_settings(settings)
{
    for (std::size_t i = 0; i < m_grids.size(); ++i) {
        const NamingGridSetting& setting = m_settings.grids[i];
        m_names[i] = new NameListModel(model, setting.list, this);
        m_grids[i] =
            placeNameGrid(this, m_names[i], tr(setting.caption), kGridX[i], setting.nameWidth);
        // Other pages repeat these names: matrix rows and corners, the favorite list.
        connect(m_names[i], &NameListModel::nameEdited, this, &EditorPage::namesChanged);
        connect(m_names[i], &NameListModel::nameEdited, this, [this, i](int n) {
            const QString text = tr("%1 Name").arg(m_names[i]->label(n));
            // The letters typed into one name are one step.
            reportEdit({text, text, m_settings.grids[i].subject, n});
        });
    }
}

NameGrid* NamingPage::grid(NameList list) const
{
    for (std::size_t i = 0; i < m_grids.size(); ++i) {
        if (m_settings.grids[i].list == list)
            return m_grids[i];
    }
    return nullptr;
}

void NamingPage::resetView()
{
    for (std::size_t i = 0; i < m_grids.size(); ++i)
        m_grids[i]->setNameWidth(m_settings.grids[i].nameWidth);
    refreshNames();
}

void NamingPage::loadFromModel()
{
    if (m_settings.rowsFollowCounts) {
        for (NameListModel* names : m_names)
            names->setShownRows(names->list() == NameList::Zones ? m_model.zoneCount()
                                                                 : m_model.sourceCount());
    }
    refreshNames();
}

bool NamingPage::edits(model::DiffSubject subject) const
{
    if (subject == model::DiffSubject::Counts)
        return m_settings.rowsFollowCounts;
    for (const NamingGridSetting& setting : m_settings.grids) {
        if (setting.subject == subject)
            return true;
    }
    return false;
}

void NamingPage::showRecord(model::DiffSubject subject, int number)
{
    for (std::size_t i = 0; i < m_grids.size(); ++i) {
        if (m_settings.grids[i].subject == subject)
            m_grids[i]->showCell(number - 1, 1);
    }
}

void NamingPage::refreshNames()
{
    for (NameListModel* names : m_names)
        names->namesReplaced();
}

} // namespace zel::ui
