#include "ui/transfer/transfer_status_texts.h"

#include <QCoreApplication>

namespace zel::ui::status {

using link::TransferOutcome;
using Stage = link::TransferStatus::Stage;

QString transferStatusText(const link::TransferStatus& status, Fetching fetching)
{
    switch (status.stage) {
    case Stage::Connecting:
        if (fetching == Fetching::Comparison)
            return QCoreApplication::translate("Transfer", " Comparing with %1").arg(status.peer);
        if (fetching == Fetching::ReadBeforeSend)
            return QCoreApplication::translate("Transfer",
                                               " Reading %1 before anything is sent to it")
                .arg(status.peer);
        return QCoreApplication::translate("Transfer", " Importing from %1").arg(status.peer);
    case Stage::ReceivingLines:
        if (fetching == Fetching::Comparison)
            return QCoreApplication::translate("Transfer", " Comparing with %1: %2 lines came")
                .arg(status.peer)
                .arg(status.line);
        if (fetching == Fetching::ReadBeforeSend)
            return QCoreApplication::translate(
                       "Transfer", " Reading %1 before anything is sent to it: %2 lines came")
                .arg(status.peer)
                .arg(status.line);
        return QCoreApplication::translate("Transfer", " Importing %1 lines from %2")
            .arg(QString::number(status.line), status.peer);
    case Stage::DroppingAfterCancel:
        return QCoreApplication::translate("Transfer", kDroppingAfterCancel);
    case Stage::SendingLine:
        return sendingLineStatus(status.line, status.lineCount);
    case Stage::ImportEnded:
        if (status.file && status.outcome == TransferOutcome::Completed)
            return QCoreApplication::translate("Transfer", " Imported complete from %1")
                .arg(status.peer);
        return importEndStatus(status.outcome, status.peer, status.reason);
    case Stage::ExportEnded:
        if (status.file)
            return QCoreApplication::translate("Transfer", " Exported to %1").arg(status.peer);
        if (status.outcome == TransferOutcome::Completed && status.onlyEchoed)
            return QCoreApplication::translate("Transfer", kCompleteOnlyEchoed);
        return exportEndStatus(status.outcome, status.line, status.lineCount, status.reason);
    }
    return {};
}

QString sendingLineStatus(int line, int lineCount)
{
    return QCoreApplication::translate("Transfer", " Sending line %1 of %2")
        .arg(line)
        .arg(lineCount);
}

QString importEndStatus(TransferOutcome outcome, const QString& peer, const QString& why)
{
    switch (outcome) {
    case TransferOutcome::Completed:
        return QCoreApplication::translate("Transfer", " Import complete from %1").arg(peer);
    case TransferOutcome::NotOpen:
    case TransferOutcome::LinkFailed:
        return QCoreApplication::translate("Transfer", " Import failed from %1").arg(peer);
    default:
        return QCoreApplication::translate("Transfer", " Import incomplete from %1 (%2)")
            .arg(peer, why);
    }
}

QString exportEndStatus(TransferOutcome outcome, int line, int lineCount, const QString& why)
{
    if (outcome == TransferOutcome::Completed)
        return QCoreApplication::translate("Transfer", kComplete);
    const QString where =
        line > 0
            ? QCoreApplication::translate("Transfer", "at line %1 of %2").arg(line).arg(lineCount)
            : QCoreApplication::translate("Transfer", "before the first line");
    if (outcome == TransferOutcome::Cancelled)
        return QCoreApplication::translate("Transfer", " Export cancelled %1").arg(where);
    return QCoreApplication::translate("Transfer", " Export stopped %1: %2").arg(where, why);
}

QString nothingImportedStatus(const QString& peer)
{
    return QCoreApplication::translate("Transfer",
                                       " Nothing imported from %1 (no configuration lines)")
        .arg(peer);
}

QString comparisonFailedStatus(const QString& peer, const QString& why)
{
    return QCoreApplication::translate("Transfer", " Comparison failed from %1: %2").arg(peer, why);
}

QString unaskedLimitStatus(const QString& peer, qint64 limit)
{
    return QCoreApplication::translate("Transfer",
                                       " Dropping what %1 sends unasked (more than %2 bytes)")
        .arg(peer, QString::number(limit));
}

} // namespace zel::ui::status
