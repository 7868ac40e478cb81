#include "link/unit_name.h"

#include "link/host_address.h"

namespace zel::link {

namespace {

// A port named without its folder lives in /dev, as the serial port opens it.
QString serialDevicePath(const QString& name)
{
#ifdef Q_OS_UNIX
    if (!name.isEmpty() && !name.contains(u'/'))
        return QStringLiteral("/dev/") + name;
#endif
    return name;
}

} // namespace

QString unitName(LinkMode mode, const QString& address)
{
    switch (mode) {
    case LinkMode::Serial:
        return QStringLiteral("serial:") + serialDevicePath(address);
    case LinkMode::Telnet: {
        const HostAndPort parsed = parseHostText(address);
        if (parsed.problem != HostAndPort::Problem::None)
            return QStringLiteral("tcp:") + address.trimmed();
        // Host names are the same in any case.
        return QStringLiteral("tcp:") + hostAndPortText(parsed.host.toLower(), parsed.port);
    }
    case LinkMode::File:
    case LinkMode::None:
        break;
    }
    return {};
}

} // namespace zel::link
