#pragma once
// The "Groups" page.

#include "ui/editor_page.h"

namespace zel::ui {

class GroupsPage : public EditorPage {
    Q_OBJECT
public:
    explicit GroupsPage(model::ConfigModel& model, QWidget* parent = nullptr);
};

} // namespace zel::ui
