#pragma once
// The report of a whole site for the client's venue: a summary page (site, client, installer,
// date, each unit by name with its link and how many changes the visit made), then each unit's
// changes in plain words, then each unit's configuration as left, in the site's order.

#include "report/report_document.h"
#include "report/report_request.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace zel::model {
class ConfigModel;
}

namespace zel::report {

struct SiteReportUnit {
    QString name; // as the site names it
    QString link; // as the site reaches it: "tcp:192.0.2.10"
    // What the unit holds now, named with its date and time; nothing when it was never fetched
    // whole or its fetch cannot be read, and `missing` says which.
    const model::ConfigModel* configuration = nullptr;
    QString origin;
    // What it held when the visit began; nothing: no list of changes.
    const model::ConfigModel* earlier = nullptr;
    QString earlierOrigin;
    QString missing;
};

struct SiteReportRequest {
    ReportParticulars particulars; // the site's name among them
    QString notes;                 // the installer's own words for the client, kept as typed
    QDateTime date;                // when the report was made
    std::vector<SiteReportUnit> units;
    bool listChanges = true; // false: the configurations alone
};

// How many changes a unit's visit made; nothing when there is no configuration or no baseline.
std::optional<int> siteUnitChangeCount(const SiteReportUnit& unit);

ReportDocument buildSiteReport(const SiteReportRequest& request);

} // namespace zel::report
