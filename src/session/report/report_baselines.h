#pragma once
// What a report's changes are measured from. By default the visit's start: the unit's first
// whole fetch of the day in the journal (a site backup counts), else its newest whole fetch
// before that day. The user may choose another journal entry or a configuration file instead.
// Each is listed once, with its time to the second and why it was made. The last fetch, which
// comparisons and Send Selected move along with the unit, is never taken for it.

#include "journal/journal_entry.h"
#include "model/config_model.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace zel::journal {
class Journal;
}

namespace zel::session {

class ConfigurationSession;
struct FetchedConfiguration;

// One configuration a report may list the changes since.
struct ReportBaseline {
    QString label;                                 // as the report dialog lists it
    QString name;                                  // as the report names it, with date and time
    const FetchedConfiguration* fetched = nullptr; // a session's fetch the journal lacks, or
    std::optional<journal::Entry> entry;           // a whole fetch kept in the journal
};

struct ReportBaselines {
    std::vector<ReportBaseline> offered;
    int proposed = -1; // the visit's start among them; -1 when none is known
};

// The baselines of a report on `unit` (as the journal names it): the journal's whole fetches
// from it, newest first, after the session's first fetch from it when the journal could not
// keep that one. For no unit (File Mode), those of every unit, the visit's start of the unit
// fetched from last proposed. `today` is the day of the visit.
ReportBaselines reportBaselines(const ConfigurationSession& session,
                                const journal::Journal& journal, const QString& unit,
                                const QDate& today = QDate::currentDate());

// A baseline's configuration; nothing, with `error` set, when its text cannot be read.
std::optional<model::ConfigModel> baselineConfiguration(const ReportBaseline& baseline,
                                                        const journal::Journal& journal,
                                                        QString* error);

// A configuration file chosen as the baseline: the configuration it holds and its name with the
// file's date and time. Nothing, with `error` set, when it cannot be read or holds no setting.
std::optional<std::pair<model::ConfigModel, QString>> fileBaseline(const QString& path,
                                                                   QString* error);

// "2026-12-09 at 09:12", in local time.
QString baselineTime(const QDateTime& when);

} // namespace zel::session
