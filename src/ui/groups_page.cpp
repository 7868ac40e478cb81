#include "ui/groups_page.h"

namespace zel::ui {

GroupsPage::GroupsPage(model::ConfigModel& model, QWidget* parent) : EditorPage(model, parent) {}

} // namespace zel::ui
