#include "link/serial_channel.h"

#include "link/serial_endpoint.h"

#include <QTimer>

namespace zel::link {

SerialChannel::SerialChannel(SerialEndpoint& endpoint, OnClosedPort rule, QObject* parent)
    : LinkChannel(parent), m_endpoint(endpoint), m_rule(rule),
      m_policy(LinkPolicy::serial(serialPortLabel(endpoint.portName())))
{
    // A port lost while open (an adapter pulled out, the far end of a pseudo-terminal gone).
    connect(endpoint.port(), &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError e) {
                if (isPortLostError(e))
                    emit closedByPeer(portLostText());
            });
}

QIODevice* SerialChannel::device()
{
    return m_endpoint.port();
}

bool SerialChannel::isOpen() const
{
    return m_endpoint.isOpen();
}

void SerialChannel::open()
{
    // Queued, so that the caller has finished its own start before the transfer goes on.
    m_closed = false;
    QTimer::singleShot(0, this, [this] {
        if (m_closed)
            return;
        if (!m_endpoint.isOpen() && m_rule == OnClosedPort::Reopen &&
            !m_endpoint.portName().isEmpty() && !m_endpoint.open(m_endpoint.portName())) {
            emit openFailed(m_endpoint.errorString());
            return;
        }
        if (m_endpoint.isOpen())
            emit opened();
        else
            emit openFailed(tr("The serial port is not open."));
    });
}

} // namespace zel::link
