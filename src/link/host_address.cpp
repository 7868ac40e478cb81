#include "link/host_address.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace zel::link {

namespace {

// A port of 1 to 5 digits in the range 1..65535; 0 when the digits name no port.
quint16 portFromDigits(const QString& digits)
{
    bool ok = false;
    const uint port = digits.toUInt(&ok);
    return ok && port >= 1 && port <= 65535 ? static_cast<quint16>(port) : 0;
}

} // namespace

HostAndPort parseHostText(const QString& text)
{
    // Host names and IPv4 addresses: letters, digits, hyphens and dots.
    static const QRegularExpression namePort(QStringLiteral("^([A-Za-z0-9.-]+):([0-9]{1,5})$"));
    static const QRegularExpression ipv6Port(
        QStringLiteral("^\\[([0-9A-Fa-f:.]+)\\]:([0-9]{1,5})$"));

    if (const auto match = namePort.match(text); match.hasMatch()) {
        if (const quint16 port = portFromDigits(match.captured(2)))
            return {match.captured(1), port};
    } else if (const auto match6 = ipv6Port.match(text); match6.hasMatch()) {
        const QString address = match6.captured(1);
        const quint16 port = portFromDigits(match6.captured(2));
        if (port && QHostAddress(address).protocol() == QAbstractSocket::IPv6Protocol)
            return {address, port};
    }
    return {text, kTelnetPort};
}

} // namespace zel::link
