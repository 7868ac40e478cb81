// The status line's words for what a transfer reports, stage by stage.
#include "link/qt_printing.h"

#include "ui/transfer/transfer_status_texts.h"

#include <gtest/gtest.h>

namespace zel::ui {
namespace {

using link::TransferOutcome;
using Stage = link::TransferStatus::Stage;

link::TransferStatus report(Stage stage, const QString& peer,
                            TransferOutcome outcome = TransferOutcome::Running, int line = 0,
                            int lineCount = 0, const QString& reason = {})
{
    link::TransferStatus status;
    status.stage = stage;
    status.peer = peer;
    status.file = peer.startsWith("file: ");
    status.outcome = outcome;
    status.line = line;
    status.lineCount = lineCount;
    status.reason = reason;
    return status;
}

TEST(TransferStatusTexts, WordWhatTheTransferReports)
{
    link::TransferStatus onlyEchoed =
        report(Stage::ExportEnded, "serial port: p", TransferOutcome::Completed, 9, 9);
    onlyEchoed.onlyEchoed = true;
    using status::Fetching;
    const struct {
        link::TransferStatus status;
        QString expected;
        Fetching fetching = Fetching::Import;
    } cases[] = {
        {report(Stage::Connecting, "host: u"), " Importing from host: u"},
        {report(Stage::ReceivingLines, "host: u", TransferOutcome::Running, 7),
         " Importing 7 lines from host: u"},
        {report(Stage::Connecting, "host: u"), " Comparing with host: u", Fetching::Comparison},
        {report(Stage::ReceivingLines, "host: u", TransferOutcome::Running, 7),
         " Comparing with host: u: 7 lines came", Fetching::Comparison},
        {report(Stage::Connecting, "host: u"), " Reading host: u before anything is sent to it",
         Fetching::ReadBeforeSend},
        {report(Stage::ReceivingLines, "host: u", TransferOutcome::Running, 7),
         " Reading host: u before anything is sent to it: 7 lines came", Fetching::ReadBeforeSend},
        {report(Stage::DroppingAfterCancel, "serial port: p"), status::kDroppingAfterCancel},
        {report(Stage::SendingLine, "host: u", TransferOutcome::Running, 3, 9),
         " Sending line 3 of 9"},
        {report(Stage::ImportEnded, "file: /a%1", TransferOutcome::Completed),
         " Imported complete from file: /a%1"},
        {report(Stage::ImportEnded, "file: /a", TransferOutcome::LinkFailed),
         " Import failed from file: /a"},
        {report(Stage::ImportEnded, "serial port: p", TransferOutcome::TimedOut, 0, 0, "why"),
         " Import incomplete from serial port: p (why)"},
        {report(Stage::ExportEnded, "file: /a", TransferOutcome::Completed),
         " Exported to file: /a"},
        {onlyEchoed, status::kCompleteOnlyEchoed},
        {report(Stage::ExportEnded, "host: u", TransferOutcome::Cancelled, 0, 9),
         " Export cancelled before the first line"},
        {report(Stage::ExportEnded, "host: u", TransferOutcome::ErrorReply, 4, 9, "why"),
         " Export stopped at line 4 of 9: why"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        EXPECT_EQ(status::transferStatusText(c.status, c.fetching), c.expected);
    }
}

} // namespace
} // namespace zel::ui
