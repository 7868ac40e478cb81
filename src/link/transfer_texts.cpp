#include "link/transfer_texts.h"

namespace zel::link::texts {

QString secondsText(std::chrono::milliseconds time)
{
    return QString::number(static_cast<double>(time.count()) / 1000.0);
}

QString noResponseLine(std::chrono::milliseconds time)
{
    return QStringLiteral("Breaking; no response in %1 seconds").arg(secondsText(time));
}

QString receiveLimitLine(qint64 limit)
{
    return QStringLiteral("Breaking; received %1 bytes without the end of the configuration")
        .arg(limit);
}

QString connectTimeoutError(std::chrono::milliseconds time)
{
    return QStringLiteral("No answer from the host within %1 seconds").arg(secondsText(time));
}

QString replyLimitLine(qint64 limit)
{
    return QStringLiteral("Breaking; received %1 bytes without an acknowledgement").arg(limit);
}

QString unaskedLimitLine(qint64 limit)
{
    return QStringLiteral("Received %1 bytes outside a transfer; dropping what the unit sends "
                          "until the next transfer.")
        .arg(limit);
}

QString unaskedLimitStatus(const QString& peer, qint64 limit)
{
    return QStringLiteral(" Dropping what %1 sends unasked (more than %2 bytes)")
        .arg(peer)
        .arg(limit);
}

QString sendingLineStatus(int line, int lineCount)
{
    return QStringLiteral(" Sending line %1 of %2").arg(line).arg(lineCount);
}

QString droppedAfterCancelLine(qint64 bytes)
{
    return QStringLiteral("Dropped the %1 bytes the unit sent after the cancel.").arg(bytes);
}

QString importEndStatus(TransferOutcome outcome, const QString& peer, const QString& why)
{
    switch (outcome) {
    case TransferOutcome::Completed:
        return QStringLiteral(" Import complete from ") + peer;
    case TransferOutcome::NotOpen:
    case TransferOutcome::LinkFailed:
        return QStringLiteral(" Import failed from ") + peer;
    default:
        return QStringLiteral(" Import incomplete from %1 (%2)").arg(peer, why);
    }
}

QString nothingImportedStatus(const QString& peer)
{
    return QStringLiteral(" Nothing imported from %1 (no configuration lines)").arg(peer);
}

QString exportEndStatus(TransferOutcome outcome, int line, int lineCount, const QString& why)
{
    if (outcome == TransferOutcome::Completed)
        return kComplete;
    const QString where = line > 0 ? QStringLiteral("at line %1 of %2").arg(line).arg(lineCount)
                                   : QStringLiteral("before the first line");
    if (outcome == TransferOutcome::Cancelled)
        return QStringLiteral(" Export cancelled ") + where;
    return QStringLiteral(" Export stopped %1: %2").arg(where, why);
}

} // namespace zel::link::texts
