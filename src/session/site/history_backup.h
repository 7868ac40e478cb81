#pragma once
// Keeps what a site backup brought in the site's history: each unit backed up has its file
// REPO/SITE/UNIT.zel written, a unit renamed in the site has its file moved first (so that Git
// follows it), a unit that failed keeps its file as it was, and one commit says what happened,
// only when a file changed. What counts as a change is told from the configurations, the newest
// commit's against what came now, volumes left out where the site says so. The caller holds the
// repository's lock (HistoryLock).

#include "session/site/history_commit_message.h"
#include "session/site/history_file_names.h"
#include "session/site/site_file.h"
#include "session/site/site_history.h"
#include "session/site/site_outcome.h"

namespace zel::session {

struct HistoryBackupResult {
    QList<HistoryUnitRecord> units; // in the site's order
    QString summary;                // the message's first line
    QString commit;                 // the commit's short hash; empty when none was made
    QString error;                  // why the files could not be written or committed
    QStringList notes;              // the names a file could not hold as they are
};

class HistoryBackup {
public:
    struct Settings {
        QString siteFolder; // SITE in REPO/SITE/UNIT.zel
        QString siteName;   // as the messages name the site
        bool ignoreVolume = false;
    };

    HistoryBackup(const SiteHistory& history, Settings settings);

    // `outcomes` are the run's, by the unit's place in `units`; a unit without one (a run
    // stopped early) was not backed up.
    HistoryBackupResult keep(const QList<SiteUnit>& units,
                             const std::map<int, UnitOutcome>& outcomes);

private:
    struct Committed {
        QString path;
        QByteArray text;
    };
    // The committed file of a unit that has none under its own name yet: one of a unit the
    // site no longer names, reached at the same link or known by the same identity.
    std::optional<Committed> renamedFile(const UnitOutcome& outcome, const QStringList& names);
    // Writes the file of a unit backed up, moving the file it had under its old name first.
    HistoryUnitRecord settleUnit(const UnitOutcome& outcome, const QString& path,
                                 const QStringList& names, QString& error);
    // Makes the work tree's file at `path` hold `text`, to be staged when `stage` is set; why it
    // could not.
    QString placeFile(const QString& path, const QByteArray& text, bool stage);

    const SiteHistory& m_history;
    Settings m_settings;
    std::map<QString, QByteArray> m_committed; // the site's files in the newest commit
    QStringList m_claimed;                     // committed files already taken by a unit
    QStringList m_toAdd;                       // files written, for git add
    QStringList m_toCommit;                    // files changed since the newest commit
};

} // namespace zel::session
