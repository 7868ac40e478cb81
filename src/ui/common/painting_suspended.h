#pragma once
// Keeps a widget, and everything inside it, from repainting while the guard lives; one repaint
// follows when it ends. Used while many lines or cells change at once.

#include <QWidget>

namespace zel::ui {

class PaintingSuspended {
public:
    explicit PaintingSuspended(QWidget* widget)
        : m_widget(widget), m_wasSuspended(widget->testAttribute(Qt::WA_ForceUpdatesDisabled))
    {
        m_widget->setUpdatesEnabled(false);
    }
    // Painting comes back unless the widget itself was suspended before; a widget inside a
    // suspended one waits for that one's guard.
    ~PaintingSuspended() { m_widget->setUpdatesEnabled(!m_wasSuspended); }
    PaintingSuspended(const PaintingSuspended&) = delete;
    PaintingSuspended& operator=(const PaintingSuspended&) = delete;

private:
    QWidget* m_widget;
    bool m_wasSuspended;
};

} // namespace zel::ui
