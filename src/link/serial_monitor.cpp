#include "link/serial_monitor.h"

#include "link/link_policy.h"
#include "link/received_text.h"
#include "link/serial_endpoint.h"
#include "link/transfer_texts.h"

#include <algorithm>

namespace zel::link {

SerialMonitor::SerialMonitor(SerialEndpoint& endpoint, qint64 receiveLimit, QObject* parent)
    : QObject(parent), m_endpoint(endpoint), m_receiveLimit(receiveLimit)
{
    connect(endpoint.port(), &QSerialPort::readyRead, this, &SerialMonitor::readPort);
}

void SerialMonitor::setPaused(bool paused)
{
    m_paused = paused;
    m_bytesReceived = 0;
    m_dropping = false;
    if (!paused)
        readPort(); // what came while the last transfer was ending
}

void SerialMonitor::readPort()
{
    if (m_paused || !m_endpoint.isOpen())
        return;
    const QByteArray bytes = m_endpoint.port()->readAll();
    if (bytes.isEmpty())
        return;
    const qint64 kept = std::clamp<qint64>(m_receiveLimit - m_bytesReceived, 0, bytes.size());
    m_bytesReceived += bytes.size();
    QString text;
    for (const char byte : bytes.first(kept))
        m_reader.receive(byte, text);
    if (!text.isEmpty())
        emit textReceived(text);
    if (kept < bytes.size() && !m_dropping) {
        m_dropping = true;
        emit logLine(texts::unaskedLimitLine(m_receiveLimit));
        emit droppingUnasked(serialPeer(serialPortLabel(m_endpoint.portName())), m_receiveLimit);
    }
}

} // namespace zel::link
