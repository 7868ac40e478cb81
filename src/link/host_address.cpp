#include "link/host_address.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace zel::link {

namespace {

// The host and the port that `digits` name, or the digits as `badPort` outside 1..65535.
HostAndPort withPort(const QString& host, const QString& digits)
{
    bool ok = false;
    const uint port = digits.toUInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return {QString(), kTelnetPort, digits};
    return {host, static_cast<quint16>(port), QString()};
}

} // namespace

HostAndPort parseHostText(const QString& text)
{
    // Host names and IPv4 addresses: letters, digits, hyphens and dots.
    static const QRegularExpression namePort(QStringLiteral("^([A-Za-z0-9.-]+):([0-9]+)$"));
    static const QRegularExpression ipv6Port(QStringLiteral("^\\[([0-9A-Fa-f:.]+)\\]:([0-9]+)$"));

    if (const auto match = namePort.match(text); match.hasMatch())
        return withPort(match.captured(1), match.captured(2));
    if (const auto match6 = ipv6Port.match(text); match6.hasMatch()) {
        const QString address = match6.captured(1);
        if (QHostAddress(address).protocol() == QAbstractSocket::IPv6Protocol)
            return withPort(address, match6.captured(2));
    }
    return {text, kTelnetPort, QString()};
}

QString portRangeError(const QString& badPort)
{
    return QStringLiteral("Port %1 is out of range (1 to 65535)").arg(badPort);
}

} // namespace zel::link
