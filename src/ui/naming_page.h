#pragma once
// The "Source / Zone Naming" page.

#include "ui/editor_page.h"

namespace zel::ui {

class NamingPage : public EditorPage {
    Q_OBJECT
public:
    explicit NamingPage(model::ConfigModel& model, QWidget* parent = nullptr);
};

} // namespace zel::ui
