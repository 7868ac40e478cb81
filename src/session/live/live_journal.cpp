#include "session/live/live_journal.h"

#include "journal/journal.h"

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
    record(m_journal->record(entry, QByteArray::fromStdString(text)));
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
    record(m_journal->record(entry, text));
}

void LiveJournal::record(const QString& error)
{
    if (!error.isEmpty())
        m_error = error;
}

} // namespace zel::session
