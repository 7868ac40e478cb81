#pragma once
// Reads the telnet host text. The unit listens on TCP port 23; a text that names another port
// reaches a unit behind a port forward, or a simulated unit on an unprivileged port.

#include <QString>
#include <QtGlobal>

namespace zel::link {

constexpr quint16 kTelnetPort = 23;

struct HostAndPort {
    QString host;
    quint16 port = kTelnetPort;
    // The digits of a port outside 1..65535 that the text names; then host and port are not set.
    QString badPort;

    bool operator==(const HostAndPort&) const = default;
};

// "name:2323" or "192.0.2.7:2323" (a host name or IPv4 address, ":" and the digits of a port
// 1..65535) and "[::1]:2323" (a bracketed IPv6 address and a port) give that host and port; in
// these forms digits outside 1..65535 give `badPort`. Any other text is the host exactly as
// typed, on port 23.
HostAndPort parseHostText(const QString& text);

// "Port 99999 is out of range (1 to 65535)", for a `badPort` of parseHostText().
QString portRangeError(const QString& badPort);

} // namespace zel::link
