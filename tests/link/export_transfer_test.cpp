#include "absent_units.h"
#include "link_fixture.h"

#include "link/export_lines.h"
#include "link/export_transfer.h"
#include "link/transfer_texts.h"
#include "ui/transfer/transfer_status_texts.h"

#include <QRegularExpression>
#include <QSignalSpy>

using namespace zel;
using namespace zel::test;
using link::TransferOutcome;
namespace texts = link::texts;

namespace {

class ExportTest : public LinkTest {
protected:
    TransferRecord runExport(const QStringList& lines,
                             link::TransferSettings settings = quickSettings())
    {
        link::ExportTransfer transfer(channel(), lines, settings);
        TransferRecord rec;
        record(transfer, rec);
        transfer.start();
        EXPECT_TRUE(waitForFinish(rec));
        EXPECT_EQ(rec.finishedCount, 1);
        m_acknowledged = transfer.linesAcknowledged();
        m_errorText = transfer.errorText();
        return rec;
    }

    // The commands the unit got, without the telnet handshake.
    QStringList unitCommands()
    {
        QStringList commands = m_sim.receivedCommands();
        if (isTcp() && !commands.isEmpty() && commands.first() == "[]")
            commands.removeFirst();
        return commands;
    }

    static QStringList sendingLines(const TransferRecord& rec)
    {
        return rec.logLines.filter(QRegularExpression("^Sending: "));
    }

    int m_acknowledged = 0;
    QString m_errorText;
};

} // namespace

TEST_P(ExportTest, SendsEveryBracketedLineAndWaitsForItsAcknowledgement)
{
    startUnit();
    const QStringList lines = configurationLines(blankZel16());
    QStringList sendable;
    QList<QPair<int, int>> expectedProgress;
    for (int i = 0; i < lines.size(); ++i) {
        if (link::isSendableLine(lines[i])) {
            sendable << lines[i];
            expectedProgress.append({i + 1, static_cast<int>(lines.size())});
        }
    }
    ASSERT_LT(sendable.size(), lines.size()); // the text has empty separator lines

    const TransferRecord rec = runExport(lines);
    EXPECT_EQ(rec.outcome, TransferOutcome::Completed);
    EXPECT_EQ(m_acknowledged, sendable.size());
    EXPECT_EQ(rec.progress, expectedProgress); // numbering skips the empty lines
    EXPECT_EQ(rec.statuses.last(), ui::status::kComplete);
    EXPECT_EQ(rec.statuses.first(),
              ui::status::sendingLineStatus(1, static_cast<int>(lines.size())));
    // No empty line goes out, and nothing more than the lines.
    EXPECT_EQ(unitCommands(), sendable);

    // The log pairs each line with the reply it waits for, and the reply follows.
    const QStringList box = rec.boxLines();
    const int first = static_cast<int>(box.indexOf("Sending: " + sendable.first()));
    ASSERT_GE(first, 0);
    EXPECT_EQ(box[first + 1], "Waiting for: " + link::expectedReply(sendable.first()));
    EXPECT_TRUE(box.contains(link::expectedReply(sendable.last())));
}

TEST_P(ExportTest, ErrorReplyAbortsTheExportOverTelnetAndSerialAlike)
{
    startUnit({"--error-on", "SD"});
    const QStringList lines = configurationLines(blankZel16());
    ASSERT_TRUE(lines.first().startsWith("[SD"));
    const TransferRecord rec = runExport(lines);
    EXPECT_EQ(rec.statuses.last(), " Export stopped at line 1 of " + QString::number(lines.size()) +
                                       ": the unit answered ERROR");
    EXPECT_EQ(rec.outcome, TransferOutcome::ErrorReply);
    EXPECT_EQ(sendingLines(rec), QStringList{"Sending: " + lines.first()});
    EXPECT_EQ(rec.logLines.last(), texts::kErrorReply);
    EXPECT_EQ(m_acknowledged, 0) << "the \")\" after \"ERROR\" is no acknowledgement";
    // Over TCP the reply line is shown whole, up to its ")", before the line that says why it
    // ended; over serial it is read up to the "R" that completed "ERROR".
    EXPECT_TRUE(rec.box.contains(isTcp() ? "(ERROR)\n" + texts::kErrorReply : QString("(ERROR")))
        << rec.box.toStdString();
}

TEST_P(ExportTest, NoAcknowledgementInTimeAbortsAtThatLine)
{
    startUnit({"--silent-after", "3"});
    const QStringList lines = configurationLines(blankZel16());
    const TransferRecord rec = runExport(lines, impatientSettings());
    EXPECT_EQ(rec.outcome, TransferOutcome::TimedOut);
    EXPECT_EQ(m_acknowledged, 3);
    EXPECT_EQ(sendingLines(rec).size(), 4);
    EXPECT_EQ(rec.logLines.last(), isTcp()
                                       ? texts::kCommandTimeout
                                       : QStringLiteral("Breaking; no response in 0.4 seconds"));
    // Lines 1 to 3 were taken; the export stopped waiting for line 4.
    EXPECT_EQ(rec.statuses.last(), " Export stopped at line 4 of " + QString::number(lines.size()) +
                                       ": no acknowledgement in 0.4 seconds");
}

TEST_P(ExportTest, CancelStopsAtTheCurrentLine)
{
    startUnit({"--reply-delay", "300"});
    link::ExportTransfer transfer(channel(), configurationLines(blankZel16()), quickSettings());
    TransferRecord rec;
    record(transfer, rec);
    QObject::connect(&transfer, &link::ExportTransfer::progress, &transfer, [&transfer](int line) {
        if (line > 1)
            transfer.cancel();
    });
    transfer.start();
    ASSERT_TRUE(waitForFinish(rec));
    EXPECT_EQ(rec.outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(transfer.linesAcknowledged(), 1);
    EXPECT_EQ(rec.logLines.last(), texts::kCancelled);
    EXPECT_EQ(rec.statuses.last(),
              " Export cancelled at line 2 of " + QString::number(transfer.lineCount()));
    transfer.cancel(); // a finished transfer stays finished
    EXPECT_EQ(rec.finishedCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Links, ExportTest,
                         ::testing::Values(ZelSimProcess::Link::Tcp, ZelSimProcess::Link::Pty),
                         linkName);

class ClosingUnitExportTest : public ExportTest {};

// Only a TCP unit can close its end; the serial port is lost when its far end goes away.
TEST_P(ClosingUnitExportTest, UnitClosingMidExportStopsAndSaysSo)
{
    startUnit({"--close-after", "3"});
    const TransferRecord rec = runExport(configurationLines(blankZel16()));
    EXPECT_EQ(rec.outcome, TransferOutcome::ConnectionClosed);
    EXPECT_EQ(m_acknowledged, 3);
    EXPECT_LE(sendingLines(rec).size(), 4);
    EXPECT_EQ(rec.logLines.last(), texts::kConnectionClosed);
    EXPECT_TRUE(rec.statuses.last().endsWith(": connection closed by the unit"))
        << rec.statuses.last().toStdString();
    // The layer's error is there for the error message box.
    EXPECT_FALSE(m_errorText.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Links, ClosingUnitExportTest, ::testing::Values(ZelSimProcess::Link::Tcp),
                         linkName);

class LostPortExportTest : public ExportTest {};

TEST_P(LostPortExportTest, SerialPortLostMidExportStopsAndSaysSo)
{
    startUnit({"--reply-delay", "100"});
    link::ExportTransfer transfer(channel(), configurationLines(blankZel16()), quickSettings());
    TransferRecord rec;
    record(transfer, rec);
    QObject::connect(&transfer, &link::ExportTransfer::progress, &transfer, [this](int line) {
        if (line == 3)
            m_sim.kill(); // the far end of the pseudo-terminal goes away
    });
    QSignalSpy lost(&m_serial, &link::SerialEndpoint::portLost);
    transfer.start();
    ASSERT_TRUE(waitForFinish(rec));
    EXPECT_EQ(rec.outcome, TransferOutcome::ConnectionClosed);
    EXPECT_EQ(transfer.linesAcknowledged(), 2);
    EXPECT_EQ(rec.logLines.last(), texts::kSerialPortLost);
    EXPECT_FALSE(transfer.errorText().isEmpty());
    // The lost port is closed, so the next transfer says the port is not open.
    EXPECT_TRUE(lost.count() > 0 || lost.wait(2000));
    EXPECT_FALSE(m_serial.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Links, LostPortExportTest, ::testing::Values(ZelSimProcess::Link::Pty),
                         linkName);

TEST(TelnetExport, HandshakeWithoutReplyEndsLikeACommandTimeOut)
{
    ZelSimProcess sim;
    ASSERT_TRUE(sim.start(ZelSimProcess::Link::Tcp, {"--silent-after", "0"}))
        << sim.error().toStdString();
    link::ExportTransfer transfer(std::make_unique<link::TelnetChannel>(sim.address()),
                                  configurationLines(blankZel16()), impatientSettings());
    TransferRecord rec;
    record(transfer, rec);
    transfer.start();
    ASSERT_TRUE(waitForFinish(rec));
    EXPECT_EQ(rec.outcome, TransferOutcome::TimedOut);
    EXPECT_EQ(rec.logLines, QStringList{texts::kCommandTimeout});
    EXPECT_EQ(rec.statuses,
              QStringList{" Export stopped before the first line: no answer to \"[]\" in 0.4 "
                          "seconds"});
}

TEST(TelnetExport, ConnectionThatCannotBeMadeSaysNothingWasSentAndReportsTheError)
{
    const QString host = refusingHost();
    link::ExportTransfer transfer(std::make_unique<link::TelnetChannel>(host), {"[SD0]"},
                                  quickSettings());
    TransferRecord rec;
    record(transfer, rec);
    transfer.start();
    ASSERT_TRUE(waitForFinish(rec));
    EXPECT_EQ(rec.outcome, TransferOutcome::LinkFailed);
    EXPECT_FALSE(transfer.errorText().isEmpty());
    EXPECT_EQ(rec.statuses, QStringList{" Export stopped before the first line: the unit could "
                                        "not be reached"});
    EXPECT_TRUE(rec.logLines.isEmpty());
}

TEST(SerialExport, WithTheSerialPortClosedSendsNothingAndSaysSo)
{
    link::SerialEndpoint closedPort;
    link::ExportTransfer transfer(std::make_unique<link::SerialChannel>(closedPort), {"[SD0]"},
                                  quickSettings());
    TransferRecord rec;
    record(transfer, rec);
    transfer.start();
    ASSERT_TRUE(waitForFinish(rec));
    EXPECT_EQ(rec.outcome, TransferOutcome::NotOpen);
    EXPECT_EQ(rec.logLines, QStringList{texts::kSerialNotOpen});
    EXPECT_EQ(rec.statuses,
              QStringList{" Export stopped before the first line: the serial port is not open"});
}
