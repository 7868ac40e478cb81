#include "link/host_address.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace zel::link {

namespace {

using Problem = HostAndPort::Problem;

bool isIpv6Address(const QString& text)
{
    return QHostAddress(text).protocol() == QAbstractSocket::IPv6Protocol;
}

HostAndPort found(const QString& host, quint16 port = kTelnetPort)
{
    HostAndPort result;
    result.host = host;
    result.port = port;
    return result;
}

HostAndPort problem(Problem kind, const QString& portText = QString())
{
    HostAndPort result;
    result.problem = kind;
    result.badPort = portText;
    return result;
}

int lowestPort(PortRule rule)
{
    return rule == PortRule::Connect ? 1 : 0;
}

bool isInteger(const QString& text)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    return integer.match(text).hasMatch();
}

// `host` on the port that `portText` names, or what is wrong with the port. A signed number is
// read as one, so that "-1" is out of range rather than not a number.
HostAndPort withPort(const QString& host, const QString& portText, PortRule rule)
{
    if (portText.isEmpty())
        return rule == PortRule::Connect ? found(host) : problem(Problem::NoPort);
    if (!isInteger(portText))
        return problem(Problem::PortNotNumber, portText);
    bool ok = false;
    const qlonglong port = portText.toLongLong(&ok); // too many digits: not ok, out of range
    if (!ok || port < lowestPort(rule) || port > 65535)
        return problem(Problem::PortOutOfRange, portText);
    return found(host, static_cast<quint16>(port));
}

} // namespace

HostAndPort parseHostText(const QString& text, PortRule rule)
{
    const bool connecting = rule == PortRule::Connect;
    // A text in none of the forms: a host name to be looked up, or no port to listen on.
    const HostAndPort other = connecting ? found(text) : problem(Problem::NoPort);

    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        const QString address = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (close < 0 || !isIpv6Address(address) ||
            !(rest.isEmpty() || rest.startsWith(QLatin1Char(':'))))
            return other;
        return withPort(address, rest.mid(1), rule);
    }
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) // "PORT" alone names the port to listen on
        return connecting || !isInteger(text) ? other : withPort(QString(), text, rule);
    const QString host = text.left(colon);
    if (text.indexOf(QLatin1Char(':')) == colon)
        return connecting && host.isEmpty() ? other : withPort(host, text.mid(colon + 1), rule);
    // Several colons: an IPv6 address. To connect, its last group is part of the address
    // ("fe80::1:2" is one); to listen, a port must follow it.
    if (connecting || !isIpv6Address(host))
        return other;
    return withPort(host, text.mid(colon + 1), rule);
}

QString hostTextError(const HostAndPort& parsed, PortRule rule)
{
    switch (parsed.problem) {
    case Problem::None:
        return {};
    case Problem::PortOutOfRange:
        return QStringLiteral("Port %1 is out of range (%2 to 65535)")
            .arg(parsed.badPort, QString::number(lowestPort(rule)));
    case Problem::PortNotNumber:
        return QStringLiteral("Port \"%1\" is not a number").arg(parsed.badPort);
    case Problem::NoPort:
        return QStringLiteral("No port given");
    }
    return {};
}

QString hostAndPortText(const QString& host, quint16 port)
{
    const QString shownHost =
        isIpv6Address(host) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return shownHost + QLatin1Char(':') + QString::number(port);
}

} // namespace zel::link
