#include "ui/transfer/serial_session.h"

#include "link/link_policy.h"
#include "link/serial_monitor.h"
#include "ui/common/text_feed.h"
#include "ui/common/user_prompts.h"
#include "ui/transfer/transfer_status_texts.h"

#include <utility>

namespace zel::ui {

SerialSession::SerialSession(TextFeed& feed, UserPrompts& prompts, qint64 receiveLimit,
                             QObject* parent)
    : QObject(parent), m_feed(feed), m_prompts(&prompts),
      m_monitor(new link::SerialMonitor(m_endpoint, receiveLimit, this))
{
    connect(m_monitor, &link::SerialMonitor::textReceived, this,
            [this](const QString& text) { m_feed.appendText(text); });
    connect(m_monitor, &link::SerialMonitor::logLine, this,
            [this](const QString& line) { m_feed.appendLine(line); });
    connect(m_monitor, &link::SerialMonitor::droppingUnasked, this,
            [this](const QString& peer, qint64 limit) {
                emit statusText(status::unaskedLimitStatus(peer, limit));
            });
    connect(&m_endpoint, &link::SerialEndpoint::portLost, this, &SerialSession::onPortLost);
}

void SerialSession::setReceiveLimit(qint64 limit)
{
    m_monitor->setReceiveLimit(limit);
}

void SerialSession::followMode(link::LinkMode mode)
{
    m_endpoint.close();
    if (mode == link::LinkMode::Serial && openChosenPort()) {
        m_endpoint.flushBuffers();
        m_monitor->setPaused(false); // a new port: the limit counts from here
    }
}

bool SerialSession::ensureOpen()
{
    return m_endpoint.isOpen() || openChosenPort();
}

void SerialSession::setMonitorPaused(bool paused)
{
    m_monitor->setPaused(paused);
}

QString SerialSession::peerText() const
{
    return link::serialPeer(link::serialPortLabel(m_endpoint.portName()));
}

bool SerialSession::openChosenPort()
{
    const std::optional<QString> port =
        m_nextPort ? std::exchange(m_nextPort, std::nullopt) : m_prompts->choosePort();
    if (!port || port->isEmpty()) {
        m_prompts->showError(tr("No serial port was chosen, so the serial link is not open.\n\n"
                                "Choose \"Serial Mode\" again to pick a port."));
        return false;
    }
    if (!m_endpoint.open(*port)) {
        m_prompts->showError(tr("The serial port %1 cannot be opened: %2\n\n"
                                "Check that the port exists and that no other program uses it, "
                                "then choose \"Serial Mode\" again.")
                                 .arg(*port, m_endpoint.errorString()));
        return false;
    }
    return true;
}

void SerialSession::setHeldForLive(bool held)
{
    m_heldForLive = held;
    m_monitor->setPaused(held);
}

void SerialSession::onPortLost(const QString& error)
{
    if (m_windowClosing || m_heldForLive)
        return;
    m_prompts->showError(tr("The serial port %1 was lost: %2\n\n"
                            "Reconnect the unit and choose \"Serial Mode\" to open the port "
                            "again.")
                             .arg(m_endpoint.portName(), error));
}

} // namespace zel::ui
