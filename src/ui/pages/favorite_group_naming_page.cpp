#include "ui/pages/favorite_group_naming_page.h"

#include "ui/grids/name_grid.h"
#include "ui/grids/name_list_model.h"

namespace zel::ui {

namespace {
constexpr int kLeftGridX = 16;
constexpr int kRightGridX = 368;
} // namespace

FavoriteGroupNamingPage::FavoriteGroupNamingPage(model::ConfigModel& model, QWidget* parent)
    : EditorPage(model, parent),
      m_favoriteNames(new NameListModel(model, NameList::Favorites, this)),
      m_groupNames(new NameListModel(model, NameList::Groups, this)),
      m_favoriteGrid(placeNameGrid(this, m_favoriteNames, QStringLiteral("Favorite Names"),
                                   kLeftGridX, NameGrid::kNameWidth)),
      m_groupGrid(placeNameGrid(this, m_groupNames, QStringLiteral("Group Names"), kRightGridX,
                                NameGrid::kNameWidth))
{
    // Favorite names fill the favorite list and group names the groups matrix's corner.
    connect(m_favoriteNames, &NameListModel::nameEdited, this, &EditorPage::namesChanged);
    connect(m_groupNames, &NameListModel::nameEdited, this, &EditorPage::namesChanged);
}

void FavoriteGroupNamingPage::resetView()
{
    m_favoriteGrid->setNameWidth(NameGrid::kNameWidth);
    m_groupGrid->setNameWidth(NameGrid::kNameWidth);
    refreshNames();
}

void FavoriteGroupNamingPage::loadFromModel()
{
    refreshNames();
}

bool FavoriteGroupNamingPage::edits(model::DiffSubject subject) const
{
    return subject == model::DiffSubject::FavoriteName || subject == model::DiffSubject::GroupName;
}

void FavoriteGroupNamingPage::showRecord(model::DiffSubject subject, int number)
{
    (subject == model::DiffSubject::FavoriteName ? m_favoriteGrid : m_groupGrid)
        ->showCell(number - 1, 1);
}

void FavoriteGroupNamingPage::refreshNames()
{
    m_favoriteNames->namesReplaced();
    m_groupNames->namesReplaced();
}

} // namespace zel::ui
