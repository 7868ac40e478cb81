#pragma once
// Where the program's windows first appear.

class QWidget;

namespace zel::ui {

// Moves a top-level window so that it stands in the middle of the available area of its screen.
void centerOnScreen(QWidget* window);

} // namespace zel::ui
