// The unit's own settings: network, lockouts and display.

#include "report/html_text.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_model.h"
#include "report/report_texts.h"

namespace zel::report {

namespace {

QString onOff(bool on)
{
    return on ? ReportText::tr("on") : ReportText::tr("off");
}

} // namespace

void writeUnitSettings(ReportWriter& out, const model::ConfigModel& configuration)
{
    out.heading(ReportText::tr("Network and front panel"));
    const model::NetworkSettings& network = configuration.network();
    out.beginTable({}, QStringLiteral("facts"));
    out.row({ReportText::tr("DHCP"), onOff(network.dhcp)});
    if (!network.dhcp) { // the unit takes these addresses only without DHCP
        out.row({ReportText::tr("IP address"), htmlOfBytes(network.ipAddress)});
        out.row({ReportText::tr("Netmask"), htmlOfBytes(network.netmask)});
        out.row({ReportText::tr("Gateway"), htmlOfBytes(network.gateway)});
    }
    out.row({ReportText::tr("Front-panel lock"), onOff(configuration.frontPanelLocked())});
    out.row({ReportText::tr("IR lockout"), onOff(configuration.irLockout())});
    const std::string_view display = configuration.displayLevelText();
    out.row({ReportText::tr("Display brightness"),
             QString::fromLatin1(display.data(), static_cast<qsizetype>(display.size()))});
    out.endTable();
}

} // namespace zel::report
