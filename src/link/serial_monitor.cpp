#include "link/serial_monitor.h"

#include "link/link_policy.h"
#include "link/serial_endpoint.h"

namespace zel::link {

SerialMonitor::SerialMonitor(SerialEndpoint& endpoint, TextState textState, QObject* parent)
    : QObject(parent), m_endpoint(endpoint), m_textState(std::move(textState))
{
    connect(endpoint.port(), &QSerialPort::readyRead, this, &SerialMonitor::readPort);
}

void SerialMonitor::setPaused(bool paused)
{
    m_paused = paused;
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
    const auto [lineBreaks, partialLine] = m_textState();
    m_reader.continueFrom(lineBreaks, partialLine);
    QString text;
    for (const char byte : bytes)
        m_reader.receive(byte, text);
    if (!text.isEmpty())
        emit textReceived(text);
    const QString status = m_reader.takeStatus(serialPeer(serialPortLabel(m_endpoint.portName())));
    if (!status.isEmpty())
        emit statusText(status);
}

} // namespace zel::link
