#include "transfer_journal.h"

#include "journal/journal.h"
#include "link/transfer_ending.h"
#include "link/unit_name.h"
#include "model/config_writer.h"
#include "session/unit/unit_journal.h"

#include <cstdio>

namespace zel::tool {

namespace {

using link::TransferOutcome;

void record(journal::Entry entry, const LinkTarget& target, const std::string& text)
{
    static bool failureSaid = false;
    entry.unit = journalUnit(target);
    journal::Journal journal;
    session::protectKnownUnits(journal);
    const QString error = journal.record(entry, QByteArray::fromStdString(text)).text;
    if (error.isEmpty() || failureSaid)
        return;
    failureSaid = true;
    std::fprintf(stderr, "zeltool: the journal cannot be written (%s); the transfer goes on\n",
                 error.toLocal8Bit().constData());
}

} // namespace

QString journalUnit(const LinkTarget& target)
{
    return link::unitName(target.kind == LinkTarget::Kind::Serial ? link::LinkMode::Serial
                                                                  : link::LinkMode::Telnet,
                          QString::fromLatin1(target.address.c_str()));
}

void journalImport(const LinkTarget& target, const ImportResult& result, journal::Cause cause)
{
    if (!link::hasImportText(result.outcome))
        return; // nothing came from the unit
    std::string text;
    for (std::size_t start = 0; start < result.text.size();) {
        const std::size_t end = std::min(result.text.find('\n', start), result.text.size());
        text.append(result.text, start, end - start).append("\r\n");
        start = end + 1;
    }
    journal::Entry entry;
    entry.direction = journal::Direction::FromUnit;
    entry.whole = result.whole();
    entry.cause = cause;
    if (!entry.whole)
        entry.ending = QString::fromStdString(result.outcome == TransferOutcome::Completed
                                                  ? "not whole: " + result.notWhole
                                                  : result.incompleteReason);
    record(entry, target, text);
}

void journalExport(const LinkTarget& target, const std::vector<std::string>& lines,
                   const ExportResult& result, bool partial, journal::Cause cause)
{
    if (linkFailed(result.outcome) && result.line == 0)
        return; // nothing reached the unit
    journal::Entry entry;
    entry.direction = journal::Direction::ToUnit;
    entry.whole = result.outcome == TransferOutcome::Completed;
    entry.partial = partial;
    entry.cause = cause;
    if (!entry.whole)
        entry.ending = link::sendEnding(result.outcome, result.line, result.lineCount,
                                        result.lastAcknowledgedLine);
    record(entry, target, model::joinLines(lines, "\r\n"));
}

} // namespace zel::tool
