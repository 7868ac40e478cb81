#include "link/transfer_ending.h"

namespace zel::link {

namespace {

QString outcomeWords(TransferOutcome outcome)
{
    switch (outcome) {
    case TransferOutcome::TimedOut:
        return QStringLiteral("time-out");
    case TransferOutcome::ErrorReply:
        return QStringLiteral("the unit answered ERROR");
    case TransferOutcome::ConnectionClosed:
        return QStringLiteral("the connection was lost");
    case TransferOutcome::LimitReached:
        return QStringLiteral("too much text came");
    case TransferOutcome::Cancelled:
        return QStringLiteral("cancelled");
    default:
        return QStringLiteral("the link failed");
    }
}

} // namespace

QString sendEnding(TransferOutcome outcome, int line, int lineCount, int lastAcknowledgedLine)
{
    return QStringLiteral("%1 at line %2 of %3, acknowledged up to line %4")
        .arg(outcomeWords(outcome))
        .arg(line)
        .arg(lineCount)
        .arg(lastAcknowledgedLine);
}

} // namespace zel::link
