#include "link/telnet_channel.h"

#include "link/host_address.h"
#include "link/tcp_keepalive.h"

#include <QTimer>

namespace zel::link {

TelnetChannel::TelnetChannel(const QString& hostText, QObject* parent)
    : LinkChannel(parent), m_hostText(hostText), m_policy(LinkPolicy::telnet(hostText))
{
    connect(&m_socket, &QTcpSocket::connected, this, &TelnetChannel::onConnected);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &TelnetChannel::onErrorOccurred);
    connect(&m_socket, &QTcpSocket::disconnected, this, &TelnetChannel::onDisconnected);
}

TelnetChannel::~TelnetChannel()
{
    // The socket outlives the stream among the members and may signal a disconnect as it goes:
    // nothing of that reaches this channel any more.
    m_closing = true;
    m_socket.disconnect(this);
}

bool TelnetChannel::isOpen() const
{
    return m_socket.state() == QAbstractSocket::ConnectedState;
}

void TelnetChannel::open()
{
    const HostAndPort target = parseHostText(m_hostText);
    m_closing = false;
    m_connected = false;
    m_stream.restart();
    if (target.problem != HostAndPort::Problem::None) {
        // Said as such: the lookup of the whole text as a host name would report no such host.
        QTimer::singleShot(0, this, [this, error = hostTextError(target)] {
            if (m_closing)
                return;
            m_closing = true;
            emit openFailed(error);
        });
        return;
    }
    m_socket.connectToHost(target.host, target.port);
}

void TelnetChannel::close()
{
    m_closing = true;
    // A connection still being made would otherwise be kept trying, and closed only once made.
    if (m_socket.state() == QAbstractSocket::HostLookupState ||
        m_socket.state() == QAbstractSocket::ConnectingState)
        m_socket.abort();
    else if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.disconnectFromHost();
}

bool TelnetChannel::refusedConnection() const
{
    return !m_connected && m_socket.error() == QAbstractSocket::ConnectionRefusedError;
}

void TelnetChannel::onConnected()
{
    m_connected = true;
    // Every line is a small write that waits for its reply: send it at once.
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    enableKeepAlive(m_socket);
    emit opened();
}

void TelnetChannel::onErrorOccurred()
{
    if (m_closing)
        return;
    if (!m_connected) {
        m_closing = true; // the attempt is over; the disconnect that may follow is not news
        emit openFailed(m_socket.errorString());
    } else if (m_socket.state() != QAbstractSocket::ConnectedState) {
        onDisconnected();
    }
}

void TelnetChannel::onDisconnected()
{
    if (m_closing || !m_connected)
        return;
    m_closing = true;
    m_stream.takeFromSocket(); // what came before the close, should it not be in yet
    const bool peerError = m_socket.error() != QAbstractSocket::UnknownSocketError;
    emit closedByPeer(peerError ? m_socket.errorString() : QString());
}

} // namespace zel::link
