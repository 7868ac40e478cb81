#pragma once
// What live mode keeps in the journal: the unit as found when going live (whatever the answers
// after it, and what came of it when that read was cut short) and when a read found it changed,
// the lines it sent (as a live send), and the unit as read back when it ended. Without a journal
// nothing is kept; a failure to keep an entry is said when live mode ends. Given a work queue,
// the entries are written off the calling thread, in order with the queue's other work.

#include "text/file_result.h"

#include "journal/journal_entry.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

namespace zel::journal {
class Journal;
struct Entry;
} // namespace zel::journal

namespace zel::session {

class BackgroundQueue;

class LiveJournal {
    Q_DECLARE_TR_FUNCTIONS(LiveJournal)

public:
    // `journal`, when given, must outlive this.
    explicit LiveJournal(journal::Journal* journal) : m_journal(journal) {}
    // Entries are written on `work`, and what came of them is taken while `context` lives.
    void setWork(BackgroundQueue* work, QObject* context);

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
    // Calls `then` once every entry asked for has been written or has failed: at once without a
    // work queue, else once the queue has come to it (and only while the context lives).
    void afterKept(std::function<void()> then);

private:
    void keep(const journal::Entry& entry, const QByteArray& text);
    void note(const text::FileResult& kept);

    journal::Journal* m_journal;
    BackgroundQueue* m_work = nullptr;
    QPointer<QObject> m_context;
    QString m_unit;
    QString m_error;
    bool m_linesKept = false;
};

} // namespace zel::session
