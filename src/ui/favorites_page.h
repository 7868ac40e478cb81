#pragma once
// The "Favorites" page.

#include "ui/editor_page.h"

namespace zel::ui {

class FavoritesPage : public EditorPage {
    Q_OBJECT
public:
    explicit FavoritesPage(model::ConfigModel& model, QWidget* parent = nullptr);
};

} // namespace zel::ui
