#pragma once
// The "Zone Audio Controls" page.

#include "ui/editor_page.h"

namespace zel::ui {

class ZoneAudioPage : public EditorPage {
    Q_OBJECT
public:
    explicit ZoneAudioPage(model::ConfigModel& model, QWidget* parent = nullptr);
};

} // namespace zel::ui
