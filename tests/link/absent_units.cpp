#include "absent_units.h"

#include <QHostAddress>
#include <QTcpServer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zel::test {

QString refusingHost()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const QString host = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
    probe.close();
    return host;
}

UnansweredListener::UnansweredListener()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(m_listener, 0) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    m_port = ntohs(address.sin_port);
    const int filler = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (filler >= 0 && ::connect(filler, reinterpret_cast<sockaddr*>(&address), length) == 0)
        m_filler = filler;
    else if (filler >= 0)
        ::close(filler);
}

UnansweredListener::~UnansweredListener()
{
    if (m_filler >= 0)
        ::close(m_filler);
    if (m_listener >= 0)
        ::close(m_listener);
}

QString UnansweredListener::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

} // namespace zel::test
