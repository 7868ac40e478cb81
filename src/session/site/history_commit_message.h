#pragma once
// What a run kept of each unit in the site's history, and the commit message that says it: a
// first line of what happened ("Harbour Hotel: 2 changed (Lobby, Bar), 1 failed (Cellar: no
// answer within 60 s), 13 unchanged"), then a row per unit with its differences under it.

#include <QList>
#include <QString>
#include <QStringList>

namespace zel::session {

struct HistoryUnitRecord {
    enum class Kind {
        Changed,    // its configuration changed
        New,        // its first file
        Renamed,    // renamed in the site, its file moved; its configuration the same
        VolumeOnly, // only volumes changed, and volumes do not count
        TextOnly,   // its file changed, its configuration did not (a new link, the text's form)
        Failed,     // not backed up: its file is left as it was
        Unchanged,
    };

    QString name;
    QString link;
    Kind kind = Kind::Failed;
    QString reason;      // failed: why, in a few words for the first line
    QString detail;      // the rest of its row: why it failed in full, its model, its new link
    QStringList changes; // the differences that count, as zeltool diff words them
    QStringList leftOut; // the volume differences, when volumes do not count
    QString renamedFrom; // its name before, when its file was moved
    QString path;        // its file in the repository
};

// Whether the record is news: not unchanged, and not only volumes that do not count.
bool isNews(const HistoryUnitRecord& record);
// Whether its file changes in this run's commit.
bool changesFile(const HistoryUnitRecord& record);

// "Harbour Hotel: 1 changed (Bar), 15 unchanged"
QString historySummary(const QString& siteName, const QList<HistoryUnitRecord>& records);
// NAME  LINK  WHAT[: DETAIL], then the differences, each on a line of its own, indented.
QString historyRow(const HistoryUnitRecord& record);
// The summary, an empty line, then a row per unit.
QString historyMessage(const QString& siteName, const QList<HistoryUnitRecord>& records);

} // namespace zel::session
