#include "session/find/address_range.h"

#include <QCoreApplication>
#include <QNetworkInterface>

namespace zel::session {

namespace {

std::optional<quint32> ipv4(const QString& text)
{
    QHostAddress address;
    if (!address.setAddress(text.trimmed()) || address.protocol() != QAbstractSocket::IPv4Protocol)
        return std::nullopt;
    return address.toIPv4Address();
}

quint32 maskOf(int prefix)
{
    return prefix == 0 ? 0 : ~quint32(0) << (32 - prefix);
}

} // namespace

std::optional<AddressRange> parseAddressRange(const QString& text, QString& error)
{
    const QString trimmed = text.trimmed();
    const qsizetype slash = trimmed.indexOf(QLatin1Char('/'));
    const qsizetype dash = trimmed.indexOf(QLatin1Char('-'));
    if (slash >= 0) {
        const std::optional<quint32> base = ipv4(trimmed.left(slash));
        bool ok = false;
        const int prefix = trimmed.mid(slash + 1).toInt(&ok);
        if (!base || !ok || prefix < 0 || prefix > 32) {
            error = QCoreApplication::translate("Find",
                                                "\"%1\" is not a network: write it as 192.0.2.0/24")
                        .arg(text);
            return std::nullopt;
        }
        AddressRange range{*base & maskOf(prefix), (*base & maskOf(prefix)) | ~maskOf(prefix)};
        if (prefix <= 30) { // the network's own address and its broadcast address
            ++range.first;
            --range.last;
        }
        return range;
    }
    if (dash >= 0) {
        const std::optional<quint32> first = ipv4(trimmed.left(dash));
        const std::optional<quint32> last = ipv4(trimmed.mid(dash + 1));
        if (!first || !last) {
            error = QCoreApplication::translate(
                        "Find", "\"%1\" is not a range: write it as 192.0.2.10-192.0.2.40")
                        .arg(text);
            return std::nullopt;
        }
        if (*last < *first) {
            error = QCoreApplication::translate("Find", "\"%1\" ends before it begins").arg(text);
            return std::nullopt;
        }
        return AddressRange{*first, *last};
    }
    if (const std::optional<quint32> single = ipv4(trimmed))
        return AddressRange{*single, *single};
    error = QCoreApplication::translate("Find",
                                        "\"%1\" is neither a network (192.0.2.0/24) nor a range "
                                        "(192.0.2.10-192.0.2.40)")
                .arg(text);
    return std::nullopt;
}

void AddressWalk::add(const AddressRange& range)
{
    m_ranges.append(range);
    m_count += range.count();
}

QHostAddress AddressWalk::at(quint64 index) const
{
    for (const AddressRange& range : m_ranges) {
        if (index < range.count())
            return range.at(index);
        index -= range.count();
    }
    return {};
}

QString networkText(const QHostAddress& address, int prefix)
{
    return QHostAddress(address.toIPv4Address() & maskOf(prefix)).toString() + QLatin1Char('/') +
           QString::number(prefix);
}

QStringList ownNetworks()
{
    QStringList networks;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress& ip = entry.ip();
            if (ip.protocol() != QAbstractSocket::IPv4Protocol || ip.isLoopback() ||
                entry.prefixLength() < 0)
                continue;
            const QString network = networkText(ip, entry.prefixLength());
            if (!networks.contains(network))
                networks << network;
        }
    }
    return networks;
}

} // namespace zel::session
