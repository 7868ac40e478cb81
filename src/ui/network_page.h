#pragma once
// The "Network" page.

#include "ui/editor_page.h"

namespace zel::ui {

class NetworkPage : public EditorPage {
    Q_OBJECT
public:
    explicit NetworkPage(model::ConfigModel& model, QWidget* parent = nullptr);
};

} // namespace zel::ui
