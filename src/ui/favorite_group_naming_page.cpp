#include "ui/favorite_group_naming_page.h"

namespace zel::ui {

FavoriteGroupNamingPage::FavoriteGroupNamingPage(model::ConfigModel& model, QWidget* parent) : EditorPage(model, parent) {}

} // namespace zel::ui
