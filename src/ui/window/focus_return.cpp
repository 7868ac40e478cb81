#include "ui/window/focus_return.h"

#include <QApplication>

namespace zel::ui {

FocusReturn::FocusReturn()
    : m_window(QApplication::activeWindow()), m_focus(m_window ? m_window->focusWidget() : nullptr)
{
}

FocusReturn::~FocusReturn()
{
    if (!m_window || !m_window->isVisible())
        return;
    m_window->activateWindow();
    if (m_focus && m_focus->window() == m_window && m_focus->isVisible() && m_focus->isEnabled())
        m_focus->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace zel::ui
