#include "ui/naming_page.h"

namespace zel::ui {

NamingPage::NamingPage(model::ConfigModel& model, QWidget* parent) : EditorPage(model, parent) {}

} // namespace zel::ui
