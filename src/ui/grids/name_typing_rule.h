#pragma once
// The typing limit of the naming grids: a name reaches 16 characters by typing and no more.

#include <QString>

class QKeyEvent;

namespace zel::ui {

// Whether the key may reach a name cell whose whole text (the open editor's text while the cell
// is being edited) is `cellText`. Backspace and Enter always pass, as do keys that put no
// character into the name (arrows, Escape, Tab, Delete). A typed or pasted character is refused
// once the text holds 16 or more characters, whatever part of it is selected; a character that
// an 8-bit name cannot hold is refused always.
bool nameKeyAllowed(const QString& cellText, const QKeyEvent& event);

} // namespace zel::ui
