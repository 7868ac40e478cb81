#pragma once
// While a modal dialog or question is open, the window it was asked from waits behind it. When
// it closes, that window is made active again with the focus where the user left it, whether
// or not the desktop does so itself (some leave no window active, some the main window).

#include <QPointer>
#include <QWidget>

namespace zel::ui {

class FocusReturn {
public:
    // Remembers the active window and its focus widget.
    FocusReturn();
    // Gives them back, when they are still there and shown.
    ~FocusReturn();

    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

// A window of its own over another (History, Compare, Welcome): when it is closed while the
// user is in it and the desktop leaves no window active, the window below becomes active again,
// its focus where the user left it.
void returnFocusWhenClosed(QWidget* dialog);

} // namespace zel::ui
