// The heading and the names.

#include "report/html_text.h"
#include "report/report_builder.h"
#include "report/report_request.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_model.h"

#include <algorithm>

namespace zel::report {

namespace {

int shown(int count)
{
    return std::max(count, 0);
}

// One table of numbered names: "Zone" and its names 1..count.
void nameTable(ReportWriter& out, const QString& label, int count,
               const std::string& (model::ConfigModel::*name)(int) const,
               const model::ConfigModel& configuration)
{
    if (count <= 0) {
        out.paragraph(QStringLiteral("No %1 names.").arg(label.toLower()));
        return;
    }
    out.beginTable({label, QStringLiteral("Name")}, QStringLiteral("names"));
    for (int n = 1; n <= count; ++n)
        out.row({QString::number(n), nameCell((configuration.*name)(n))});
    out.endTable();
}

} // namespace

QString unitSizeText(const model::ConfigModel& configuration)
{
    const int zones = shown(configuration.zoneCount());
    const int sources = shown(configuration.sourceCount());
    if (zones == sources && (zones == 8 || zones == 16))
        return QStringLiteral("ZEL-%1").arg(zones);
    return QStringLiteral("%1 zones, %2 sources").arg(zones).arg(sources);
}

void writeHeading(ReportWriter& out, const ReportRequest& request)
{
    const model::ConfigModel& configuration = *request.configuration;
    out.add(QStringLiteral("<h1>%1 configuration</h1>\n").arg(unitSizeText(configuration)));
    out.beginTable({}, QStringLiteral("facts"));
    out.row({QStringLiteral("Unit"), QStringLiteral("%1 (%2 zones, %3 sources)")
                                         .arg(unitSizeText(configuration))
                                         .arg(shown(configuration.zoneCount()))
                                         .arg(shown(configuration.sourceCount()))});
    out.row({QStringLiteral("Configuration from"), htmlOf(request.origin)});
    out.row({QStringLiteral("Date"), request.date.toString(QStringLiteral("yyyy-MM-dd HH:mm"))});
    if (request.earlier)
        out.row({QStringLiteral("Changes since"), htmlOf(request.earlierOrigin)});
    out.endTable();
}

void writeNames(ReportWriter& out, const model::ConfigModel& configuration)
{
    out.heading(QStringLiteral("Source and zone names"));
    nameTable(out, QStringLiteral("Source"), shown(configuration.sourceCount()),
              &model::ConfigModel::sourceName, configuration);
    out.add(QStringLiteral("<br>\n"));
    nameTable(out, QStringLiteral("Zone"), shown(configuration.zoneCount()),
              &model::ConfigModel::zoneName, configuration);

    out.heading(QStringLiteral("Favorite and group names"));
    nameTable(out, QStringLiteral("Favorite"), model::kFavorites, &model::ConfigModel::favoriteName,
              configuration);
    out.add(QStringLiteral("<br>\n"));
    nameTable(out, QStringLiteral("Group"), model::kGroups, &model::ConfigModel::groupName,
              configuration);
}

} // namespace zel::report
