#include "ui/transfer/transfer_status_texts.h"

#include <QObject>

namespace zel::ui::status {

using link::TransferOutcome;
using Stage = link::TransferStatus::Stage;

QString transferStatusText(const link::TransferStatus& status, Fetching fetching)
{
    switch (status.stage) {
    case Stage::Connecting:
        if (fetching == Fetching::Comparison)
            return QStringLiteral(" Comparing with ") + status.peer;
        if (fetching == Fetching::ReadBeforeSend)
            return QObject::tr(" Reading %1 before anything is sent to it").arg(status.peer);
        return QStringLiteral(" Importing from ") + status.peer;
    case Stage::ReceivingLines:
        if (fetching == Fetching::Comparison)
            return QStringLiteral(" Comparing with %1: %2 lines came")
                .arg(status.peer)
                .arg(status.line);
        if (fetching == Fetching::ReadBeforeSend)
            return QObject::tr(" Reading %1 before anything is sent to it: %2 lines came")
                .arg(status.peer)
                .arg(status.line);
        return QStringLiteral(" Importing %1 lines from ").arg(status.line) + status.peer;
    case Stage::DroppingAfterCancel:
        return kDroppingAfterCancel;
    case Stage::SendingLine:
        return sendingLineStatus(status.line, status.lineCount);
    case Stage::ImportEnded:
        if (status.file && status.outcome == TransferOutcome::Completed)
            return QStringLiteral(" Imported complete from ") + status.peer;
        return importEndStatus(status.outcome, status.peer, status.reason);
    case Stage::ExportEnded:
        if (status.file)
            return QStringLiteral(" Exported to ") + status.peer;
        if (status.outcome == TransferOutcome::Completed && status.onlyEchoed)
            return kCompleteOnlyEchoed;
        return exportEndStatus(status.outcome, status.line, status.lineCount, status.reason);
    }
    return {};
}

QString sendingLineStatus(int line, int lineCount)
{
    return QStringLiteral(" Sending line %1 of %2").arg(line).arg(lineCount);
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

QString nothingImportedStatus(const QString& peer)
{
    return QStringLiteral(" Nothing imported from %1 (no configuration lines)").arg(peer);
}

QString comparisonFailedStatus(const QString& peer, const QString& why)
{
    return QStringLiteral(" Comparison failed from %1: %2").arg(peer, why);
}

QString unaskedLimitStatus(const QString& peer, qint64 limit)
{
    return QStringLiteral(" Dropping what %1 sends unasked (more than %2 bytes)")
        .arg(peer, QString::number(limit));
}

} // namespace zel::ui::status
