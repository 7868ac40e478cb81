#pragma once
// Enabling a control together with everything inside it (a list's scroll bars, a panel's
// sliders), so that a state set on a control group reaches every part of it.

class QWidget;

namespace zel::ui {

void setEnabledThroughout(QWidget* control, bool enabled);

} // namespace zel::ui
