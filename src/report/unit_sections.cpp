// The unit's own settings, and what changed since an earlier configuration.

#include "report/html_text.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_diff.h"
#include "model/config_model.h"

namespace zel::report {

namespace {

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

// One side of a difference: its value, "yes"/"no" for an entry, or a dash where that side does
// not have the member at all.
QString sideText(const model::Difference& difference, const std::optional<std::string>& value)
{
    if (difference.entry)
        return value ? QStringLiteral("yes") : QStringLiteral("no");
    return value ? htmlOfBytes(*value) : QStringLiteral("<span class=\"none\">-</span>");
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

void writeChanges(ReportWriter& out, const model::ConfigModel& earlier,
                  const model::ConfigModel& configuration, const QString& earlierOrigin)
{
    out.heading(QStringLiteral("Changes"));
    const std::vector<model::Difference> differences =
        model::compareConfigurations(earlier, configuration);
    if (differences.empty()) {
        out.paragraph(QStringLiteral("Nothing changed since %1.").arg(htmlOf(earlierOrigin)));
        return;
    }
    out.paragraph(QStringLiteral("%1 changed since %2.")
                      .arg(differences.size() == 1
                               ? QStringLiteral("One setting")
                               : QStringLiteral("%1 settings").arg(differences.size()),
                           htmlOf(earlierOrigin)));
    out.beginTable({QStringLiteral("Setting"), QStringLiteral("Before"), QStringLiteral("After")},
                   QStringLiteral("changes"));
    for (const model::Difference& difference : differences)
        out.row({htmlOfBytes(difference.member), sideText(difference, difference.before),
                 sideText(difference, difference.after)});
    out.endTable();
}

} // namespace zel::report
