#include "ui/zone_audio_page.h"

namespace zel::ui {

ZoneAudioPage::ZoneAudioPage(model::ConfigModel& model, QWidget* parent) : EditorPage(model, parent) {}

} // namespace zel::ui
