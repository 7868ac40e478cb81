#include "transfer_journal.h"

#include "journal/journal.h"
#include "link/host_address.h"
#include "model/config_writer.h"

#include <cstdio>

namespace zel::tool {

namespace {

using link::TransferOutcome;

void record(journal::Direction direction, const LinkTarget& target, bool whole,
            const std::string& ending, const std::string& text)
{
    static bool failureSaid = false;
    const QString error =
        journal::Journal().record(direction, journalUnit(target), whole,
                                  QString::fromStdString(ending), QByteArray::fromStdString(text));
    if (error.isEmpty() || failureSaid)
        return;
    failureSaid = true;
    std::fprintf(stderr, "zeltool: the journal cannot be written (%s); the transfer goes on\n",
                 error.toLocal8Bit().constData());
}

std::string outcomeWord(TransferOutcome outcome)
{
    switch (outcome) {
    case TransferOutcome::TimedOut:
        return "time-out";
    case TransferOutcome::ErrorReply:
        return "the unit answered ERROR";
    case TransferOutcome::ConnectionClosed:
        return "the connection was lost";
    case TransferOutcome::LimitReached:
        return "too much text came";
    case TransferOutcome::Cancelled:
        return "cancelled";
    default:
        return "the link failed";
    }
}

} // namespace

QString journalUnit(const LinkTarget& target)
{
    const QString address = QString::fromLatin1(target.address.c_str());
    if (target.kind == LinkTarget::Kind::Serial)
        return journal::serialUnit(address);
    const link::HostAndPort host = link::parseHostText(address);
    return journal::tcpUnit(link::hostAndPortText(host.host, host.port));
}

void journalImport(const LinkTarget& target, const ImportResult& result,
                   const TransferOptions& options)
{
    if (!link::hasImportText(result.outcome))
        return; // nothing came from the unit
    std::string text;
    for (std::size_t start = 0; start < result.text.size();) {
        const std::size_t end = std::min(result.text.find('\n', start), result.text.size());
        text.append(result.text, start, end - start).append("\r\n");
        start = end + 1;
    }
    const bool whole = result.outcome == TransferOutcome::Completed;
    record(journal::Direction::FromUnit, target, whole,
           whole ? std::string() : importProblem(result, target, options), text);
}

void journalExport(const LinkTarget& target, const std::vector<std::string>& lines,
                   const ExportResult& result)
{
    if (linkFailed(result.outcome) && result.line == 0)
        return; // nothing reached the unit
    const bool whole = result.outcome == TransferOutcome::Completed;
    const std::string ending = outcomeWord(result.outcome) + " at line " +
                               std::to_string(result.line) + " of " +
                               std::to_string(result.lineCount) + ", acknowledged up to line " +
                               std::to_string(result.lastAcknowledgedLine);
    record(journal::Direction::ToUnit, target, whole, whole ? std::string() : ending,
           model::joinLines(lines, "\r\n"));
}

} // namespace zel::tool
