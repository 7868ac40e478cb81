// The unit's own settings: network, lockouts and display.

#include "report/html_text.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_model.h"

namespace zel::report {

namespace {

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

} // namespace

void writeUnitSettings(ReportWriter& out, const model::ConfigModel& configuration)
{
    out.heading(QStringLiteral("Network and front panel"));
    const model::NetworkSettings& network = configuration.network();
    out.beginTable({}, QStringLiteral("facts"));
    out.row({QStringLiteral("DHCP"), onOff(network.dhcp)});
    if (!network.dhcp) { // the unit takes these addresses only without DHCP
        out.row({QStringLiteral("IP address"), htmlOfBytes(network.ipAddress)});
        out.row({QStringLiteral("Netmask"), htmlOfBytes(network.netmask)});
        out.row({QStringLiteral("Gateway"), htmlOfBytes(network.gateway)});
    }
    out.row({QStringLiteral("Front-panel lock"), onOff(configuration.frontPanelLocked())});
    out.row({QStringLiteral("IR lockout"), onOff(configuration.irLockout())});
    const std::string_view display = configuration.displayLevelText();
    out.row({QStringLiteral("Display brightness"),
             QString::fromLatin1(display.data(), static_cast<qsizetype>(display.size()))});
    out.endTable();
}

} // namespace zel::report
