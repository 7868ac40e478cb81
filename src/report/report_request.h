#pragma once
// What a report is made of: the configuration, where it came from and when, who it is for, and
// optionally an earlier configuration whose differences make the "Changes" of its first page.

#include <QDateTime>
#include <QString>

namespace zel::model {
class ConfigModel;
}

namespace zel::report {

// Who and where the handover is for; any of them may be empty.
struct ReportParticulars {
    QString site;
    QString client;
    QString installer;

    bool operator==(const ReportParticulars&) const = default;
};

struct ReportRequest {
    const model::ConfigModel* configuration = nullptr; // must be set
    QString origin;                                    // "file 'house.zel'", "host: 10.0.0.5"
    QDateTime date;                                    // when the report was made
    const model::ConfigModel* earlier = nullptr;       // nothing: no "Changes"
    // The earlier configuration named with its date and time: "the configuration fetched from
    // tcp:10.0.0.5:23 on 2026-12-09 at 09:12".
    QString earlierOrigin;
    ReportParticulars particulars;
    QString notes; // the installer's own words for the client, kept as typed
    QString unit;  // the unit's link as the journal names it ("tcp:10.0.0.5:23"); empty: none
    // What the report calls the unit: its name in a site ("Lobby"), else its link; empty: none.
    QString unitName = {};

    // The unit's name, else its link.
    QString shownUnit() const { return unitName.trimmed().isEmpty() ? unit : unitName.trimmed(); }
};

} // namespace zel::report
