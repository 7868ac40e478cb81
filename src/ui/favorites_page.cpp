#include "ui/favorites_page.h"

namespace zel::ui {

FavoritesPage::FavoritesPage(model::ConfigModel& model, QWidget* parent) : EditorPage(model, parent) {}

} // namespace zel::ui
