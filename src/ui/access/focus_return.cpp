#include "ui/access/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

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

namespace {

// The dialog loses the activation as it is being hidden (closed, not left for another window):
// once the event loop comes round, a desktop that activates another window has done so; when
// none is active, the window below becomes active.
class FocusReturnOnClose : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowDeactivate && dialog->isHidden() &&
            dialog->parentWidget()) {
            QPointer<QWidget> below = dialog->parentWidget()->window();
            QTimer::singleShot(0, below, [below] {
                if (below && below->isVisible() && !QApplication::activeWindow())
                    below->activateWindow();
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void returnFocusWhenClosed(QWidget* dialog)
{
    dialog->installEventFilter(new FocusReturnOnClose(dialog));
}

} // namespace zel::ui
