#pragma once
// How every window of the program shows the focus and is read by a screen reader, set once
// before the first window is built.

namespace zel::ui {

// The focus frames, drop-down lists read by their caption and sliders read by their labels.
void installProgramLook();

} // namespace zel::ui
