#pragma once
// What live mode keeps in the journal: the unit as found when going live (whatever the answers
// after it, and what came of it when that read was cut short) and when a read found it changed,
// the lines it sent (as a live send), and the unit as read back when it ended. Without a journal
// nothing is kept; a failure to keep an entry is said when live mode ends.

#include "journal/journal_entry.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <string>

namespace zel::journal {
class Journal;
}

namespace zel::session {

class LiveJournal {
    Q_DECLARE_TR_FUNCTIONS(LiveJournal)

public:
    // `journal`, when given, must outlive this.
    explicit LiveJournal(journal::Journal* journal) : m_journal(journal) {}

    // Live mode starts towards `unit`, as the journal names it.
    void begin(const QString& unit);
    // The unit's configuration `text`, read from it for `cause` (live start, a read while live,
    // live end): whole, with `ending` saying when, or an incomplete fetch, with `ending` saying
    // why.
    void keepRead(journal::Cause cause, const std::string& text, bool whole, const QString& ending);
    // The lines the unit acknowledged, and how many it did not; once a session.
    void keepLinesSent(const QStringList& lines, int notAcknowledged);

    // Why the journal could not keep an entry; empty when it could.
    const QString& error() const { return m_error; }

private:
    void record(const QString& error);

    journal::Journal* m_journal;
    QString m_unit;
    QString m_error;
    bool m_linesKept = false;
};

} // namespace zel::session
