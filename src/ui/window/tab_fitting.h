#pragma once
// Keeps every page tab of a tab widget in view: the window is narrow for eight captions, and a
// tab hidden behind scroll arrows is easy to miss.

class QTabWidget;

namespace zel::ui {

// Narrows the padding of the tabs and, if they still do not fit the widget's width, lowers the
// tab font in half-point steps (down to a legible minimum) until they do.
void fitTabsToWidth(QTabWidget* tabs);

} // namespace zel::ui
