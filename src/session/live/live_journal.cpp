#include "session/live/live_journal.h"

#include "journal/journal.h"
#include "session/work/background_queue.h"

#include <utility>

namespace zel::session {

void LiveJournal::begin(const QString& unit)
{
    m_unit = unit;
    m_error.clear();
    m_linesKept = false;
}

void LiveJournal::keepRead(journal::Cause cause, const std::string& text, bool whole,
                           const QString& ending)
{
    if (!m_journal)
        return;
    journal::Entry entry;
    journal::setKind(entry, whole ? journal::Kind::WholeFetch : journal::Kind::IncompleteFetch);
    entry.unit = m_unit;
    entry.ending = ending;
    entry.cause = cause;
    keep(entry, QByteArray::fromStdString(text));
}

void LiveJournal::keepLinesSent(const QStringList& lines, int notAcknowledged)
{
    if (!m_journal || std::exchange(m_linesKept, true))
        return;
    journal::Entry entry;
    journal::setKind(entry, notAcknowledged == 0 ? journal::Kind::LiveSend
                                                 : journal::Kind::IncompleteLiveSend);
    entry.unit = m_unit;
    entry.cause = journal::Cause::LiveEdit;
    entry.ending = notAcknowledged == 0 ? tr("live mode: %1 lines sent").arg(lines.size())
                                        : tr("live mode: %1 lines sent, %2 not acknowledged")
                                              .arg(lines.size())
                                              .arg(notAcknowledged);
    QByteArray text;
    for (const QString& line : lines)
        text += line.toLatin1() + "\r\n";
    keep(entry, text);
}

void LiveJournal::setWork(BackgroundQueue* work, QObject* context)
{
    m_work = work;
    m_context = context;
}

void LiveJournal::keep(const journal::Entry& entry, const QByteArray& text)
{
    if (!m_work) {
        note(m_journal->record(entry, text));
        return;
    }
    // The journal is a value over its folder: the copy writes where it does.
    m_work->run([this, journal = *m_journal, entry, text,
                 context = m_context]() mutable -> BackgroundQueue::Answer {
        return [this, kept = journal.record(entry, text), context] {
            if (context)
                note(kept);
        };
    });
}

void LiveJournal::afterKept(std::function<void()> then)
{
    if (!m_work) {
        then();
        return;
    }
    m_work->run([then = std::move(then), context = m_context]() -> BackgroundQueue::Answer {
        return [then, context] {
            if (context)
                then();
        };
    });
}

void LiveJournal::note(const text::FileResult& kept)
{
    if (!kept.done())
        m_error = kept.text;
}

} // namespace zel::session
