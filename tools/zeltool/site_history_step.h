#pragma once
// site backup with a history: the Git repository opened before any unit is read (so that one
// that cannot be used stops the run at once), then, once every unit has ended, what came kept in
// it under the repository's lock, committed, and pushed when asked.

#include "session/site/history_backup.h"
#include "session/site/site_history.h"
#include "session/site/site_run.h"

#include <QString>

#include <optional>
#include <string>

namespace zel::tool {

struct HistoryRequest {
    QString folder;      // the repository's folder
    std::string givenBy; // "--git" or "the site's history line", for messages
    bool push = false;
    bool ignoreVolume = false;
    QString siteFolder; // SITE in REPO/SITE/UNIT.zel
    QString siteName;   // as the commit message names the site
};

struct HistoryStepResult {
    session::HistoryBackupResult kept;
    bool usable = true; // false: the repository could not be written or committed
    QString pushedTo;   // the upstream, when commits went to it
    QString pushError;  // why a push asked for failed
};

class SiteHistoryStep {
public:
    explicit SiteHistoryStep(HistoryRequest request);

    // Opens the repository (git init where the folder is missing or empty). Prints why it
    // cannot be used on standard error and returns false.
    bool open(const std::string& verb);
    // Keeps what the run brought, commits and pushes; says on standard error what failed.
    HistoryStepResult keep(const QList<session::SiteUnit>& units, const session::SiteRun& run,
                           const std::string& verb);

private:
    HistoryRequest m_request;
    session::SiteHistory m_history;
};

} // namespace zel::tool
