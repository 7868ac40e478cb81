#pragma once
// The "Favorite / Group Naming" page: the favorite-name grid ("Favorite Names") and the
// group-name grid ("Group Names"), ten rows each, editing the ConfigModel's names in place.

#include "ui/pages/editor_page.h"

namespace zel::ui {

class NameGrid;
class NameListModel;

class FavoriteGroupNamingPage : public EditorPage {
    Q_OBJECT
public:
    explicit FavoriteGroupNamingPage(model::ConfigModel& model, QWidget* parent = nullptr);

    NameGrid* favoriteGrid() const { return m_favoriteGrid; }
    NameGrid* groupGrid() const { return m_groupGrid; }

    void resetView() override;
    void loadFromModel() override;
    void refreshNames() override;
    bool edits(model::DiffSubject subject) const override;
    void showRecord(model::DiffSubject subject, int number) override;

private:
    NameListModel* m_favoriteNames;
    NameListModel* m_groupNames;
    NameGrid* m_favoriteGrid;
    NameGrid* m_groupGrid;
};

} // namespace zel::ui
