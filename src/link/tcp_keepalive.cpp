#include "link/tcp_keepalive.h"

#include <QAbstractSocket>
#include <QVariant>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace zel::link {

void enableKeepAlive(QAbstractSocket& socket, const KeepAlive& settings)
{
    socket.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
#ifdef Q_OS_LINUX
    const auto descriptor = static_cast<int>(socket.socketDescriptor());
    if (descriptor < 0)
        return;
    // Without these the first probe goes after two hours. A failure leaves the system's own.
    const auto set = [descriptor](int option, int value) {
        ::setsockopt(descriptor, IPPROTO_TCP, option, &value, sizeof value);
    };
    set(TCP_KEEPIDLE, static_cast<int>(settings.idle.count()));
    set(TCP_KEEPINTVL, static_cast<int>(settings.interval.count()));
    set(TCP_KEEPCNT, settings.probes);
    set(TCP_USER_TIMEOUT,
        static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(settings.unacked).count()));
#endif
}

} // namespace zel::link
