#pragma once
// The sections of the report, in the order of the window's pages, each written from the model.

#include <QString>

namespace zel::model {
class ConfigModel;
}

namespace zel::report {

class ReportWriter;
struct ReportRequest;

void writeHeading(ReportWriter& out, const ReportRequest& request);
// Source and zone names, then favorite and group names.
void writeNames(ReportWriter& out, const model::ConfigModel& configuration);
// Each zone's volume, balance and EQ, then the ten device EQ presets.
void writeZoneAudio(ReportWriter& out, const model::ConfigModel& configuration);
void writePresets(ReportWriter& out, const model::ConfigModel& configuration);
// The favorites (one table per favorite) and the groups matrix.
void writeFavorites(ReportWriter& out, const model::ConfigModel& configuration);
void writeGroups(ReportWriter& out, const model::ConfigModel& configuration);
// Network, front-panel and IR lockouts, display brightness.
void writeUnitSettings(ReportWriter& out, const model::ConfigModel& configuration);
// Every difference from the earlier configuration, in the unit's terms.
void writeChanges(ReportWriter& out, const model::ConfigModel& earlier,
                  const model::ConfigModel& configuration, const QString& earlierOrigin);

} // namespace zel::report
