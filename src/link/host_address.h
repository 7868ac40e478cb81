#pragma once
// Reads and writes host texts: "HOST", "HOST:PORT", "[IPv6]:PORT". The unit listens on TCP port
// 23; a text that names another port reaches a unit behind a port forward, or a simulated unit
// on an unprivileged port. The window, zeltool and zelsim all read them here, so that an address
// one of them prints is taken back by the others as it stands.

#include <QString>
#include <QtGlobal>

namespace zel::link {

constexpr quint16 kTelnetPort = 23;

// How a port is read.
enum class PortRule {
    Connect, // a port of 1..65535 may follow the host; port 23 when none does
    Listen,  // a port of 0..65535 (0: any free one) is required; "PORT" alone has no host
};

struct HostAndPort {
    enum class Problem { None, PortOutOfRange, PortNotNumber, NoPort };

    QString host;
    quint16 port = kTelnetPort;
    Problem problem = Problem::None;
    // The port's text as typed, when it is out of range or not a number; then `host` and `port`
    // are not set.
    QString badPort;

    bool operator==(const HostAndPort&) const = default;
};

// "name:2323", "192.0.2.7:2323" and "[::1]:2323" give that host and port; "[::1]" and a bare
// IPv6 address such as "fe80::1" give that address. A port that is not a number or out of range
// is a problem, so that it is not looked up as part of a host name. To Connect, any other text is
// the host exactly as typed, on port 23. To Listen, "0" and "2323" name a port alone, an
// unbracketed IPv6 address may end with ":PORT" ("::1:0"), and a text without a port is
// NoPort.
HostAndPort parseHostText(const QString& text, PortRule rule = PortRule::Connect);

// What is wrong with a host text: "Port 99999 is out of range (1 to 65535)", "Port "abc" is not
// a number", "No port given". Empty when nothing is.
QString hostTextError(const HostAndPort& parsed, PortRule rule = PortRule::Connect);

// "HOST:PORT", with an IPv6 address in brackets ("[::1]:2323"), as parseHostText() reads it.
QString hostAndPortText(const QString& host, quint16 port);

} // namespace zel::link
