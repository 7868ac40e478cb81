#pragma once
// The "ZEL EQ Presets" page.

#include "ui/editor_page.h"

namespace zel::ui {

class PresetsPage : public EditorPage {
    Q_OBJECT
public:
    explicit PresetsPage(model::ConfigModel& model, QWidget* parent = nullptr);
};

} // namespace zel::ui
