#include "link_fixture.h"

#include "link/import_transfer.h"
#include "link/transfer_texts.h"

#include <QTimer>

using namespace zel;
using namespace zel::test;
using link::TransferOutcome;

namespace {

class ImportTest : public LinkTest {
protected:
    // Runs an import to its end and returns what it showed.
    // `shown`, when given, points at the record while the transfer runs.
    TransferRecord runImport(link::TransferSettings settings = quickSettings(),
                             TransferRecord** shown = nullptr)
    {
        link::ImportTransfer transfer(channel(), settings);
        TransferRecord rec;
        if (shown)
            *shown = &rec;
        record(transfer, rec);
        transfer.start();
        EXPECT_TRUE(waitForFinish(rec));
        EXPECT_EQ(rec.finishedCount, 1);
        m_received = transfer.receivedText();
        m_bytesReceived = transfer.bytesReceived();
        if (shown)
            *shown = nullptr;
        return rec;
    }

    // The received text's lines, without the reply to "[]" that comes first over TCP.
    QStringList receivedLines() const
    {
        QStringList lines = m_received.split('\n');
        if (isTcp() && !lines.isEmpty() && lines.first() == ")")
            lines.removeFirst();
        return lines;
    }

    QString m_received;
    qint64 m_bytesReceived = 0;
};

} // namespace

TEST_P(ImportTest, FetchesTheWholeZel16ConfigurationUpToTheEndOfTheDump)
{
    startUnit();
    const TransferRecord rec = runImport();
    EXPECT_EQ(rec.outcome, TransferOutcome::Completed);
    const QStringList expected = dumpLines(blankZel16());
    EXPECT_EQ(receivedLines(), expected + QStringList{"[QXSB]"});
    EXPECT_EQ(rec.box, m_received); // no log line of its own
    EXPECT_EQ(readConfiguration(m_received).zoneCount(), 16);

    // The last "[" is that of "[QXSB]": the status counts the lines before it, halved.
    const QString peer = (isTcp() ? "host: " : "serial port: ") + m_sim.address();
    ASSERT_GE(rec.statuses.size(), 2);
    if (isTcp()) {
        EXPECT_EQ(rec.statuses.first(), " Importing from " + peer);
    }
    EXPECT_EQ(rec.statuses[rec.statuses.size() - 2],
              QString(" Importing %1 lines from ").arg(expected.size() / 2) + peer);
    EXPECT_EQ(rec.statuses.last(), " Import complete from " + peer);
}

TEST_P(ImportTest, DropsTabsAndControlBytesOfANoisyDump)
{
    startUnit({"--noise"});
    const TransferRecord rec = runImport();
    EXPECT_EQ(rec.outcome, TransferOutcome::Completed);
    EXPECT_EQ(receivedLines(), dumpLines(blankZel16()) + QStringList{"[QXSB]"});
}

TEST_P(ImportTest, EndsOnSilenceAndKeepsWhatCame)
{
    startUnit({"--silent-after", "5"});
    const TransferRecord rec = runImport(impatientSettings());
    EXPECT_EQ(rec.outcome, TransferOutcome::TimedOut);
    const QStringList firstFive = dumpLines(blankZel16()).mid(0, 5);
    EXPECT_EQ(receivedLines(), firstFive + QStringList{""});
    if (isTcp()) {
        EXPECT_EQ(rec.logLines, QStringList{"Breaking; no response in 0.4 seconds"});
        EXPECT_EQ(rec.statuses.last(), " Import incomplete from host: " + m_sim.address() +
                                           " (no response in 0.4 seconds)");
    } else {
        EXPECT_TRUE(rec.logLines.isEmpty()); // the serial import always ends on a quiet line
        EXPECT_EQ(rec.statuses.last(), " Import incomplete from serial port: " + m_sim.address() +
                                           " (the unit fell silent before the end)");
    }
}

TEST_P(ImportTest, NoReplyAtAllGivesAnEmptyText)
{
    startUnit({"--silent-after", "0"});
    // The transfer waits its whole time for a reply: a timer due at half of it, started first,
    // fires while the transfer still runs (one event loop fires timers in the order they fall due).
    const link::TransferSettings settings = impatientSettings();
    int finishedAtHalfTime = -1;
    TransferRecord* running = nullptr;
    const QObject timerOwner;
    QTimer::singleShot(std::min(settings.responseTimeout, settings.serialQuietTime) / 2,
                       Qt::PreciseTimer, &timerOwner,
                       [&] { finishedAtHalfTime = running ? running->finishedCount : 1; });
    const TransferRecord rec = runImport(settings, &running);
    EXPECT_EQ(rec.outcome, TransferOutcome::TimedOut);
    EXPECT_EQ(finishedAtHalfTime, 0);
    EXPECT_TRUE(m_received.isEmpty());
    EXPECT_TRUE(rec.statuses.last().endsWith(isTcp() ? "(no response in 0.4 seconds)"
                                                     : "(no reply from the unit)"))
        << rec.statuses.last().toStdString();
}

TEST_P(ImportTest, StopsAtTheReceiveLimitAndSaysSo)
{
    startUnit({"--endless"});
    link::TransferSettings settings = quickSettings();
    const TransferRecord rec = runImport(settings);
    EXPECT_EQ(rec.outcome, TransferOutcome::LimitReached);
    EXPECT_EQ(m_bytesReceived, settings.receiveLimit);
    EXPECT_EQ(rec.logLines, QStringList{link::texts::receiveLimitLine(settings.receiveLimit)});
    EXPECT_TRUE(link::hasImportText(rec.outcome));
    // What came is whole lines of the configuration, still usable.
    EXPECT_GT(m_received.size(), settings.receiveLimit / 2);
    EXPECT_EQ(readConfiguration(m_received).zoneCount(), 16);
}

INSTANTIATE_TEST_SUITE_P(Links, ImportTest,
                         ::testing::Values(ZelSimProcess::Link::Tcp, ZelSimProcess::Link::Pty),
                         linkName);

class ClosingUnitImportTest : public ImportTest {};

// Only a TCP unit can close its end; a serial line just falls silent.
TEST_P(ClosingUnitImportTest, UnitClosingMidDumpEndsQuietlyWithWhatCame)
{
    startUnit({"--close-after", "7"});
    const TransferRecord rec = runImport();
    EXPECT_EQ(rec.outcome, TransferOutcome::ConnectionClosed);
    EXPECT_EQ(receivedLines(), dumpLines(blankZel16()).mid(0, 7) + QStringList{""});
    EXPECT_TRUE(rec.logLines.isEmpty());
    EXPECT_EQ(rec.statuses.last(), " Import incomplete from host: " + m_sim.address() +
                                       " (connection closed by the unit)");
}

INSTANTIATE_TEST_SUITE_P(Links, ClosingUnitImportTest, ::testing::Values(ZelSimProcess::Link::Tcp),
                         linkName);

TEST(SerialImport, WithTheSerialPortClosedFailsWithoutText)
{
    link::SerialEndpoint closedPort;
    link::ImportTransfer transfer(std::make_unique<link::SerialChannel>(closedPort),
                                  quickSettings());
    TransferRecord rec;
    record(transfer, rec);
    transfer.start();
    ASSERT_TRUE(waitForFinish(rec));
    EXPECT_EQ(rec.outcome, TransferOutcome::NotOpen);
    EXPECT_FALSE(transfer.errorText().isEmpty());
    EXPECT_FALSE(link::hasImportText(rec.outcome));
}
