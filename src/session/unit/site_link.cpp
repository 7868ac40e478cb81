#include "session/unit/site_link.h"

#include "link/host_address.h"
#include "link/unit_name.h"

#include <QCoreApplication>

namespace zel::session {

namespace {
const QString kTcpPrefix = QStringLiteral("tcp:");
const QString kSerialPrefix = QStringLiteral("serial:");
} // namespace

QString SiteLink::text() const
{
    return (kind == Kind::Tcp ? kTcpPrefix : kSerialPrefix) + address;
}

QString SiteLink::unitName() const
{
    return link::unitName(kind == Kind::Tcp ? link::LinkMode::Telnet : link::LinkMode::Serial,
                          address);
}

std::optional<SiteLink> parseSiteLink(const QString& text, QString* error)
{
    const auto failed = [error](const QString& why) -> std::optional<SiteLink> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    SiteLink link;
    if (text.startsWith(kSerialPrefix)) {
        link.kind = SiteLink::Kind::Serial;
        link.address = text.mid(kSerialPrefix.size());
    } else if (text.startsWith(kTcpPrefix)) {
        link.address = text.mid(kTcpPrefix.size());
        const link::HostAndPort host = link::parseHostText(link.address);
        if (host.problem != link::HostAndPort::Problem::None)
            return failed(link::hostTextError(host));
    } else {
        return failed(QCoreApplication::translate("Site",
                                                  "\"%1\" is not a link: write tcp:HOST[:PORT] or "
                                                  "serial:DEVICE")
                          .arg(text));
    }
    if (link.address.isEmpty())
        return failed(QCoreApplication::translate("Site", "\"%1\" names no %2")
                          .arg(text, link.kind == SiteLink::Kind::Tcp
                                         ? QCoreApplication::translate("Site", "host")
                                         : QCoreApplication::translate("Site", "device")));
    return link;
}

} // namespace zel::session
