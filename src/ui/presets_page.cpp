#include "ui/presets_page.h"

namespace zel::ui {

PresetsPage::PresetsPage(model::ConfigModel& model, QWidget* parent) : EditorPage(model, parent) {}

} // namespace zel::ui
