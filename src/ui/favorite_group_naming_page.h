#pragma once
// The "Favorite / Group Naming" page.

#include "ui/editor_page.h"

namespace zel::ui {

class FavoriteGroupNamingPage : public EditorPage {
    Q_OBJECT
public:
    explicit FavoriteGroupNamingPage(model::ConfigModel& model, QWidget* parent = nullptr);
};

} // namespace zel::ui
