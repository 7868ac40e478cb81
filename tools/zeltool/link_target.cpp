#include "link_target.h"

#include "arguments.h"

#include "link/host_address.h"

namespace zel::tool {

namespace {

constexpr std::string_view kTcpPrefix = "tcp:";
constexpr std::string_view kSerialPrefix = "serial:";

} // namespace

std::optional<LinkTarget> parseSide(const std::string& side)
{
    if (side.rfind(kTcpPrefix, 0) == 0 && side.size() > kTcpPrefix.size())
        return LinkTarget{LinkTarget::Kind::Tcp, side.substr(kTcpPrefix.size())};
    if (side.rfind(kSerialPrefix, 0) == 0 && side.size() > kSerialPrefix.size())
        return LinkTarget{LinkTarget::Kind::Serial, side.substr(kSerialPrefix.size())};
    return std::nullopt;
}

std::optional<LinkTarget> targetOf(const Arguments& arguments, std::string& error)
{
    if (arguments.tcp && arguments.serial) {
        error = "give --tcp or --serial, not both";
        return std::nullopt;
    }
    if (arguments.tcp) {
        const link::HostAndPort host =
            link::parseHostText(QString::fromLatin1(arguments.tcp->c_str()));
        if (host.problem != link::HostAndPort::Problem::None) {
            const bool notNumber = host.problem == link::HostAndPort::Problem::PortNotNumber;
            error = "the port of --tcp " + *arguments.tcp +
                    (notNumber ? " is not a number" : " is out of range (1 to 65535)");
            return std::nullopt;
        }
        return LinkTarget{LinkTarget::Kind::Tcp, *arguments.tcp};
    }
    if (arguments.serial)
        return LinkTarget{LinkTarget::Kind::Serial, *arguments.serial};
    error = "give the unit with --tcp HOST[:PORT] or --serial DEVICE";
    return std::nullopt;
}

std::string describe(const LinkTarget& target)
{
    return std::string(target.kind == LinkTarget::Kind::Tcp ? kTcpPrefix : kSerialPrefix) +
           target.address;
}

} // namespace zel::tool
