#pragma once
// What a report is made of: the configuration, where it came from and when, and optionally an
// earlier configuration whose differences make the "Changes" section.

#include <QDateTime>
#include <QString>

namespace zel::model {
class ConfigModel;
}

namespace zel::report {

struct ReportRequest {
    const model::ConfigModel* configuration = nullptr; // must be set
    QString origin;                                    // "file 'house.zel'", "unit tcp:10.0.0.5"
    QDateTime date;                                    // when the report was made
    const model::ConfigModel* earlier = nullptr;       // nothing: no "Changes" section
    QString earlierOrigin;                             // where the earlier configuration came from
};

} // namespace zel::report
