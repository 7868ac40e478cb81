#pragma once
// What a site report says of each unit, all from the journal: its newest whole fetch is what it
// holds now, and the visit's start (its first whole fetch of the day, a site backup's included,
// else its newest before that day) is what the changes are listed since. A unit the journal
// holds no whole fetch of is said to be never fetched, never made up.

#include "report/site_report.h"
#include "session/site/site_file.h"

#include "journal/journal_entry.h"
#include "model/config_model.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace zel::journal {
class Journal;
}

namespace zel::session {

struct SiteReportUnitData {
    SiteUnit unit;
    std::optional<journal::Entry> newest, start; // the whole fetches taken
    std::optional<model::ConfigModel> now, earlier;
    QString nowName, earlierName; // each named with its date and time
    QString missing;              // why there is no configuration now
};

// The days a visit to `site` may be measured from: `today`, then each earlier day (local time) on
// which the journal fetched one of its units whole, newest first, at most `most` in all.
QList<QDate> siteVisitDays(const Site& site, const QList<journal::Entry>& entries,
                           const QDate& today, int most);

// Every unit of `site` in its order, as the journal has it on `today`.
std::vector<SiteReportUnitData> siteReportUnits(const Site& site, const journal::Journal& journal,
                                                const QDate& today);

// The report's view of them; valid while `units` lives.
std::vector<report::SiteReportUnit> siteReportView(const std::vector<SiteReportUnitData>& units);

} // namespace zel::session
