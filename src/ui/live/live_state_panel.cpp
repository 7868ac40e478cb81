#include "ui/live/live_state_panel.h"

#include "ui/live/live_status_texts.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace zel::ui {

using session::LiveState;

namespace {

// A state the user has to act on, or that says the unit may not hold what is edited.
bool needsAttention(LiveState state)
{
    return state == LiveState::NotApplied || state == LiveState::LinkLost ||
           state == LiveState::UnitDiffers;
}

} // namespace

LiveStatePanel::LiveStatePanel(QWidget* parent) : QWidget(parent)
{
    m_label = new QLabel(this);
    m_label->setTextFormat(Qt::PlainText); // a host as typed
    m_label->setObjectName(QStringLiteral("liveState"));
    m_label->setAccessibleDescription(tr("Whether the unit holds what is being edited"));
    m_label->setFocusPolicy(Qt::TabFocus); // reachable, so that it can be read again
    m_resend = new QPushButton(tr("&Resend"), this);
    m_resend->setAccessibleName(tr("Resend the changes not applied"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 6, 0); // clear of the window's edge
    layout->addWidget(m_label);
    layout->addWidget(m_resend);
    connect(m_resend, &QPushButton::clicked, this, &LiveStatePanel::resendRequested);
    m_ticker = new QTimer(this);
    m_ticker->setInterval(1000);
    connect(m_ticker, &QTimer::timeout, this, &LiveStatePanel::showText);
    setVisible(false);
    m_resend->setVisible(false);
}

void LiveStatePanel::showStatus(const session::LiveStatus& status)
{
    m_status = status;
    if (status.state == LiveState::InSync && status.lastRead.isValid())
        m_ticker->start();
    else
        m_ticker->stop();
    const QString text = live::stateText(status);
    setVisible(!text.isEmpty());
    m_resend->setVisible(status.state == LiveState::NotApplied);
    if (text == m_label->text())
        return;
    const bool sameState = m_label->text().section(u',', 0, 0) == text.section(u',', 0, 0);
    m_label->setText(text);
    m_label->setAccessibleName(text.isEmpty() ? tr("Live mode off") : text);
    if (sameState)
        return; // only the time since the last read: not read out again every second
    // Read out as it changes, not only when the label is visited.
    QAccessibleEvent changed(m_label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (needsAttention(status.state)) {
        QAccessibleEvent alert(m_label, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void LiveStatePanel::showText()
{
    const QString text = live::stateText(m_status);
    m_label->setText(text);
    m_label->setAccessibleName(text);
}

} // namespace zel::ui
