#pragma once
// What a report's changes are measured from. By default the visit's start: the first whole
// fetch from the unit since the program started, else the journal's newest whole fetch from it
// before that. The user may choose another journal entry or a configuration file instead. Each
// is named with its date and time. The last fetch, which comparisons and Send Selected move
// along with the unit, is never taken for it.

#include "journal/journal_entry.h"
#include "model/config_model.h"

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
    const FetchedConfiguration* fetched = nullptr; // a first fetch of the session, or
    std::optional<journal::Entry> entry;           // a whole fetch kept in the journal
};

struct ReportBaselines {
    std::vector<ReportBaseline> offered;
    int proposed = -1; // the visit's start among them; -1 when none is known
};

// The baselines of a report on `unit` (as the journal names it): the session's first fetch from
// it, then the journal's whole fetches from it, newest first. For no unit (File Mode), those of
// every unit, the unit fetched from last first.
ReportBaselines reportBaselines(const ConfigurationSession& session,
                                const journal::Journal& journal, const QString& unit);

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
