#include "ui/network_page.h"

namespace zel::ui {

NetworkPage::NetworkPage(model::ConfigModel& model, QWidget* parent) : EditorPage(model, parent) {}

} // namespace zel::ui
