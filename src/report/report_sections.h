#pragma once
// The sections of the report: the summary of the first page, then the configuration as left, in
// the order of the window's pages, each written from the model.

#include <QString>
#include <QStringList>

namespace zel::model {
class ConfigModel;
}

namespace zel::report {

class ReportWriter;
struct ReportParticulars;
struct ReportRequest;

// Site, client, installer, the unit and its link, the date and the baseline; the notes; and,
// given an earlier configuration, what changed since in plain words.
void writeSummary(ReportWriter& out, const ReportRequest& request);
// The table of facts that opens a summary, begun with the site, the client and the installer;
// the caller adds its own facts and ends the table.
void beginFacts(ReportWriter& out, const ReportParticulars& who);
// A row of that table; none when `text` is blank.
void writeFact(ReportWriter& out, const QString& label, const QString& text);
// The installer's notes under their heading, their paragraphs kept; nothing when empty.
void writeNotes(ReportWriter& out, const QString& notes);
// What changed since `since` (the earlier configuration named with its date), one item a
// sentence, or that nothing did.
void writeChangeList(ReportWriter& out, const QStringList& sentences, const QString& since);
// A part's heading (plain text), on a page of its own.
void writePartHeading(ReportWriter& out, const QString& text);
// The heading of what follows the summary, on a page of its own.
void writeConfigurationHeading(ReportWriter& out);
// Source and zone names side by side, then favorite and group names.
void writeNames(ReportWriter& out, const model::ConfigModel& configuration);
// Each zone's volume, balance and EQ, then the ten device EQ presets.
void writeZoneAudio(ReportWriter& out, const model::ConfigModel& configuration);
void writePresets(ReportWriter& out, const model::ConfigModel& configuration);
// Each favorite as its list of zone to source; the groups as a matrix of the zones in any.
void writeFavorites(ReportWriter& out, const model::ConfigModel& configuration);
void writeGroups(ReportWriter& out, const model::ConfigModel& configuration);
// Network, front-panel and IR lockouts, display brightness.
void writeUnitSettings(ReportWriter& out, const model::ConfigModel& configuration);
// The configuration as left: every section above from the names on, in the window's order.
void writeConfiguration(ReportWriter& out, const model::ConfigModel& configuration);

} // namespace zel::report
