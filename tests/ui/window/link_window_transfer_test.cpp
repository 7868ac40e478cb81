// Import and export through the window against the simulated unit, over TCP on loopback and over
// a pseudo-terminal: what the boxes, the status line and the status bar show, aborts, time-outs,
// cancelling, and the commands a running transfer holds back.
#include "link_window_fixture.h"

#include "link/transfer_texts.h"
#include "link/zelsim_process.h"
#include "ui/transfer/transfer_progress_panel.h"

#include <QActionGroup>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace zel::test {
namespace {

using link::TransferOutcome;

const QString kErrorReply = QStringLiteral("Got ERROR response.  Aborting.");
const QString kCommandTimeout = QStringLiteral("Command Time out occured.  Aborting.");
const QString kNoResponse = QStringLiteral("Breaking; no response in 0.3 seconds");
const QString kCancelled = QStringLiteral("Transfer cancelled.  Aborting.");

QStringList linesStartingWith(const QStringList& lines, const QString& prefix)
{
    QStringList found;
    for (const QString& line : lines)
        if (line.startsWith(prefix))
            found << line;
    return found;
}

// The commands a running transfer holds back, with whether each is enabled now.
QList<bool> transferCommandsEnabled(const ui::MainWindow& window)
{
    return {window.importAction()->isEnabled(),  window.exportAction()->isEnabled(),
            window.newZel8Action()->isEnabled(), window.newZel16Action()->isEnabled(),
            window.linkModeGroup()->isEnabled(), !window.configurationTextBox()->isReadOnly()};
}

class TelnetWindowTest : public ::testing::Test {
protected:
    // Starts zelsim on a loopback port with `faults` and points the window's telnet host at it.
    void startUnit(const QStringList& faults = {})
    {
        ASSERT_TRUE(m_sim.start(ZelSimProcess::Link::Tcp, faults)) << m_sim.error().toStdString();
        w.chooseTelnet(m_sim.address());
    }
    // Waits until the running export has sent line `line` or more.
    bool waitForLine(int line)
    {
        const QProgressBar* bar = w.link.progressPanel()->progressBar();
        return QTest::qWaitFor([&] { return bar->maximum() > 0 && bar->value() >= line; }, 10000);
    }

    ZelSimProcess m_sim;
    LinkWindow w;
};

TEST_F(TelnetWindowTest, ImportFillsTheBoxesAndPagesThenExportSendsEditsBack)
{
    startUnit();
    w.window.newZel8Action()->trigger();
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(w.window.model().zoneCount(), 16);
    EXPECT_EQ(w.window.statusText(), " Import complete from host: " + m_sim.address());
    const QStringList received = w.configurationLines();
    ASSERT_GT(received.size(), 100);
    EXPECT_EQ(received[0], QStringLiteral("[SD0]")) << "the answer to \"[]\" is not dump text";
    EXPECT_TRUE(received.contains(QStringLiteral("[QXSB]")));
    EXPECT_GT(w.logLines().size(), 100) << "the reader's log";
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();

    w.window.model().setZoneName(2, "Kitchen");
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
    EXPECT_EQ(w.window.statusText(), QStringLiteral(" Complete"));
    const QStringList sent = w.logLines(); // the writer's text
    const QStringList exportLog = w.configurationLines();
    const QStringList sending = linesStartingWith(exportLog, "Sending: ");
    EXPECT_EQ(sending.size(), sent.size() - sent.count(QString())) << "every line but the empty";
    EXPECT_EQ(sending.first(), "Sending: " + sent.first());
    EXPECT_EQ(linesStartingWith(exportLog, "Waiting for: ").first(),
              "Waiting for: (" + sent.first().mid(1, sent.first().size() - 2) + ")");
    EXPECT_TRUE(exportLog.contains(QStringLiteral("Sending: [NO2\"Kitchen\"]")));
    EXPECT_FALSE(exportLog.join('\n').contains("Aborting"));
    const QProgressBar* bar = w.link.progressPanel()->progressBar();
    EXPECT_EQ(bar->maximum(), sent.size());
    EXPECT_FALSE(w.link.progressPanel()->isVisible());

    // What was sent is what the unit now holds.
    w.window.newZel16Action()->trigger();
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(w.window.model().zoneName(2), "Kitchen");
}

TEST_F(TelnetWindowTest, CommandsAreHeldBackWhileTheWindowStaysResponsive)
{
    startUnit({"--reply-delay", "20"});
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    w.window.newZel16Action()->trigger();

    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    QList<QList<bool>> duringTransfer;
    QObject::connect(&w.link, &ui::LinkController::transferStarted,
                     [&] { duringTransfer << transferCommandsEnabled(w.window); });
    // It returns while the read of the unit, then the export, go on.
    w.window.exportAction()->trigger();
    ASSERT_TRUE(w.link.isTransferRunning());
    ASSERT_TRUE(waitForLine(5));
    duringTransfer << transferCommandsEnabled(w.window);
    EXPECT_GT(ticks, 5) << "timers fire during the transfer";
    EXPECT_EQ(duringTransfer.size(), 3) << "the read and the export began";
    EXPECT_TRUE(w.link.progressPanel()->isVisible());
    EXPECT_TRUE(w.link.cancelAction()->isEnabled());

    // Commands that arrive anyway (a queued click, say) start nothing.
    w.window.importConfiguration();
    EXPECT_EQ(w.window.model().zoneCount(), 16) << "no reset during the export";

    QSignalSpy finished(&w.link, &ui::LinkController::transferFinished);
    w.link.cancelTransfer();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished[0][0].value<TransferOutcome>(), TransferOutcome::Cancelled);
    for (const QList<bool>& enabled : duringTransfer)
        EXPECT_EQ(enabled, QList<bool>({false, false, false, false, false, false}));
    EXPECT_EQ(transferCommandsEnabled(w.window), QList<bool>({true, true, true, true, true, true}));
    EXPECT_FALSE(w.link.cancelAction()->isEnabled());
}

TEST_F(TelnetWindowTest, EscapeOrTheCancelButtonStopsTheExportAtTheCurrentLine)
{
    struct Case {
        const char* name;
        bool escape;
        bool duringRead; // the export's read of the unit runs, nothing sent yet
        QStringList faults;
    };
    const QList<Case> cases = {
        {"Escape", true, false, {"--reply-delay", "30"}},
        {"Cancel button", false, false, {"--reply-delay", "30"}},
        {"Escape during the read", true, true, {"--baud", "9600"}},
        {"Cancel button during the read", false, true, {"--baud", "9600"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ZelSimProcess sim;
        ASSERT_TRUE(sim.start(ZelSimProcess::Link::Tcp, c.faults));
        w.chooseTelnet(sim.address());
        w.window.show();
        w.window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
        w.window.newZel16Action()->trigger();
        const qsizetype commandsBefore = sim.receivedCommands().size();
        w.window.configurationTextBox()->clear();

        QSignalSpy finished(&w.link, &ui::LinkController::transferFinished);
        w.window.exportAction()->trigger();
        if (c.duringRead) {
            ASSERT_TRUE(waitUntil([&] {
                return w.link.isReadBeforeSendRunning() &&
                       w.window.statusText().contains("lines came");
            }));
        } else {
            ASSERT_TRUE(waitForLine(3)); // the read has ended, the export runs
        }
        if (c.escape)
            QTest::keyClick(&w.window, Qt::Key_Escape);
        else
            QTest::mouseClick(w.link.progressPanel()->cancelButton(), Qt::LeftButton);
        ASSERT_TRUE(waitUntil([&] { return !w.window.unitWorkPending(); }));
        ASSERT_EQ(finished.count(), 2 - c.duringRead) << "the read, then the export";
        EXPECT_EQ(finished.last()[0].value<TransferOutcome>(), TransferOutcome::Cancelled);
        // Nothing more goes out once stopped: the unit sees the connection close after every
        // command it brought.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return sim.closedConnections() == finished.count(); }, 5000));
        QStringList received = sim.receivedCommands().mid(commandsBefore);
        received.removeAll(QStringLiteral("[]"));
        EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();
        if (c.duringRead) {
            EXPECT_EQ(received, QStringList{"[QXSB]"}) << "nothing sent";
            EXPECT_EQ(w.window.statusText(),
                      " Nothing was sent: cancelled while the unit's configuration came");
            continue;
        }

        const QStringList log = w.configurationLines();
        EXPECT_EQ(log.last(), QString()) << "the line ends the box's text";
        EXPECT_EQ(log[log.size() - 2], kCancelled);
        const qsizetype sentCount = linesStartingWith(log, "Sending: ").size();
        EXPECT_GE(sentCount, 2);
        EXPECT_LT(sentCount, 10);
        EXPECT_EQ(w.window.statusText(), QString(" Export cancelled at line %1 of %2")
                                             .arg(w.link.progressPanel()->progressBar()->value())
                                             .arg(writerLines(w.window).size()));
        EXPECT_LE(received.size(), sentCount + 1); // the read's "[QXSB]" first
    }
}

TEST_F(TelnetWindowTest, ClosingTheWindowDuringAnExportAsksThenStopsItAndShowsNothing)
{
    for (const bool duringRead : {false, true}) {
        SCOPED_TRACE(duringRead ? "during the read before the export" : "during the export");
        ZelSimProcess sim;
        ASSERT_TRUE(sim.start(ZelSimProcess::Link::Tcp, duringRead
                                                            ? QStringList{"--baud", "9600"}
                                                            : QStringList{"--reply-delay", "30"}));
        LinkWindow lw;
        lw.chooseTelnet(sim.address());
        lw.window.show();
        lw.window.newZel16Action()->trigger();
        QSignalSpy finished(&lw.link, &ui::LinkController::transferFinished);
        const QProgressBar* bar = lw.link.progressPanel()->progressBar();
        const QRegularExpression linesCame(": (\\d+) lines came");
        const auto goneAsFar = [&](int line) { // lines sent, or tens of lines read
            return waitUntil([&] {
                return duringRead ? linesCame.match(lw.window.statusText()).captured(1).toInt() >=
                                        line * 10
                                  : bar->maximum() > 0 && bar->value() >= line;
            });
        };
        lw.window.exportAction()->trigger();
        ASSERT_TRUE(goneAsFar(2));

        // "Cancel" keeps it going: the unit would keep only part of the configuration, or the
        // export asked for would not go.
        EXPECT_FALSE(lw.window.close());
        expectOne(lw.prompts->confirmations, duringRead ? "nothing is sent" : "export");
        EXPECT_TRUE(duringRead ? lw.link.isReadBeforeSendRunning() : lw.link.isExportRunning());
        ASSERT_TRUE(goneAsFar(4));

        const QString status = lw.window.statusText();
        lw.prompts->confirmAnswer = true;
        ASSERT_TRUE(lw.window.close());
        ASSERT_EQ(finished.count(), duringRead ? 1 : 2);
        EXPECT_FALSE(lw.window.unitWorkPending());
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return sim.closedConnections() == finished.count(); }, 5000))
            << "the connection is closed";
        // Nothing more is asked or shown; the read leaves even the status line as it was, and
        // the unit got nothing but its request.
        EXPECT_EQ(lw.prompts->confirmations.size(), 2);
        EXPECT_TRUE(lw.prompts->errors.isEmpty()) << lw.prompts->errors.join('\n').toStdString();
        if (duringRead) {
            EXPECT_EQ(lw.window.statusText(), status);
            QStringList received = sim.receivedCommands();
            received.removeAll(QStringLiteral("[]"));
            EXPECT_EQ(received, QStringList{"[QXSB]"});
        }
    }
}

TEST_F(TelnetWindowTest, DestroyingTheWindowDuringATransferEndsIt)
{
    startUnit({"--reply-delay", "30"});
    for (QAction* (ui::MainWindow::*command)() const :
         {&ui::MainWindow::importAction, &ui::MainWindow::exportAction}) {
        auto doomed = std::make_unique<LinkWindow>();
        doomed->chooseTelnet(m_sim.address());
        doomed->window.newZel16Action()->trigger();
        (doomed->window.*command)()->trigger();
        ASSERT_TRUE(doomed->link.isTransferRunning());
        const int closedBefore = m_sim.closedConnections();
        // In the middle of it: the unit has begun to answer.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !doomed->window.configurationTextBox()->toPlainText().isEmpty(); }, 5000));
        doomed.reset();
        // Events still queued for the transfer, run while the unit sees the connection close,
        // find nothing to reach.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return m_sim.closedConnections() == closedBefore + 1; }, 5000));
    }
    // The unit is still there for the next window.
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(w.window.model().zoneCount(), 16);
}

TEST_F(TelnetWindowTest, AbortsShowTheirLineAndTheStatusSaysWhereAndWhy)
{
    struct Case {
        const char* name;
        QStringList faults;
        bool import;
        QString lastLine;
        int sentLines;  // "Sending:" lines of an export
        QString status; // after the host (import) or " Export stopped "
        qint64 receiveLimit = 1024 * 1024;
    };
    const QList<Case> cases = {
        {"error reply to the first line",
         {"--error-on", "[SD"},
         false,
         kErrorReply,
         1,
         "at line 1 of 251: the unit answered ERROR"},
        {"silent after two lines",
         {"--silent-after", "2"},
         false,
         kCommandTimeout,
         3,
         "at line 3 of 251: no acknowledgement in 0.3 seconds"},
        {"silent from the start",
         {"--silent-after", "0"},
         false,
         kCommandTimeout,
         0,
         "before the first line: no answer to \"[]\" in 0.3 seconds"},
        {"import without a dump",
         {"--silent-after", "0"},
         true,
         kNoResponse,
         0,
         " (no response in 0.3 seconds)"},
        {"import of a dump without end",
         {"--endless"},
         true,
         link::texts::receiveLimitLine(256 * 1024),
         0,
         " (262144 bytes came without the end)",
         256 * 1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ZelSimProcess sim;
        ASSERT_TRUE(sim.start(ZelSimProcess::Link::Tcp, c.faults)) << sim.error().toStdString();
        LinkWindow lw;
        link::TransferSettings impatient = quickSettings();
        impatient.responseTimeout = std::chrono::milliseconds(300);
        impatient.receiveLimit = c.receiveLimit;
        lw.link.setTransferSettings(impatient);
        lw.chooseTelnet(sim.address());
        lw.window.newZel16Action()->trigger();
        lw.window.configurationTextBox()->clear();
        // The fault cuts the fetch that would tell the unit's model too: send all the same.
        lw.prompts->confirmAnswer = true;
        QSignalSpy readerRuns(&lw.window, &ui::MainWindow::committedAndRefreshed);

        ASSERT_TRUE(lw.runToEnd(c.import ? lw.window.importAction() : lw.window.exportAction()));
        const QStringList log = lw.configurationLines();
        ASSERT_GE(log.size(), 2);
        EXPECT_EQ(log[log.size() - 2], c.lastLine);
        EXPECT_EQ(lw.window.statusText(),
                  c.import ? " Import incomplete from host: " + sim.address() + c.status
                           : " Export stopped " + c.status);
        EXPECT_EQ(linesStartingWith(log, "Sending: ").size(), c.sentLines);
        if (c.import) {
            EXPECT_EQ(readerRuns.count(), 1) << "what came is read";
            EXPECT_EQ(lw.window.model().zoneCount(), c.faults[0] == "--endless" ? 16 : -1);
        }
        EXPECT_TRUE(lw.prompts->errors.isEmpty()) << lw.prompts->errors.join('\n').toStdString();
    }
}

TEST(TelnetWindowFailures, ConnectionFailuresGoToTheErrorBox)
{
    ZelSimProcess sim;
    ASSERT_TRUE(sim.start(ZelSimProcess::Link::Tcp, {"--close-after", "3"}));
    struct Case {
        const char* name;
        QString host;
        bool import;
        QString status; // what the status line says
    };
    const QList<Case> cases = {
        {"import, nobody listening", "127.0.0.1:1", true, " Import failed from host: 127.0.0.1:1"},
        {"export, nobody listening", "127.0.0.1:1", false,
         " Export stopped before the first line: the unit could not be reached"},
        {"export, unit hangs up", sim.address(), false,
         " Export stopped at line 4 of 251: connection closed by the unit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkWindow w;
        w.chooseTelnet(c.host);
        w.window.newZel16Action()->trigger();
        // The unit that hangs up cuts the fetch that would tell its model: send all the same.
        w.prompts->confirmAnswer = true;
        QSignalSpy readerRuns(&w.window, &ui::MainWindow::committedAndRefreshed);
        ASSERT_TRUE(w.runToEnd(c.import ? w.window.importAction() : w.window.exportAction()));
        ASSERT_EQ(w.prompts->errors.size(), 1);
        EXPECT_TRUE(w.prompts->errors[0].contains(c.host)) << w.prompts->errors[0].toStdString();
        EXPECT_EQ(w.window.statusText(), c.status);
        if (c.import) {
            EXPECT_EQ(readerRuns.count(), 0) << "an import that fails to connect reads nothing";
            EXPECT_EQ(w.window.model().zoneCount(), -1) << "but the reset has been done";
        }
        // Nothing is loaded after a failed import, so there is nothing to export.
        EXPECT_EQ(transferCommandsEnabled(w.window),
                  QList<bool>({true, !c.import, true, true, true, true}));
    }
}

TEST(SerialWindow, ImportAndExportOverAPseudoTerminal)
{
    ZelSimProcess sim;
    ASSERT_TRUE(sim.start(ZelSimProcess::Link::Pty)) << sim.error().toStdString();
    LinkWindow w;
    w.chooseSerial(sim.address());

    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(w.window.model().zoneCount(), 16);
    EXPECT_EQ(w.window.statusText(), " Import complete from serial port: " + sim.address());
    EXPECT_TRUE(w.link.serialEndpoint().isOpen()) << "the port stays open";

    w.window.model().setZoneName(5, "Den");
    w.window.configurationTextBox()->clear();
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
    EXPECT_EQ(w.window.statusText(), QStringLiteral(" Complete"));
    const QStringList log = w.configurationLines();
    EXPECT_TRUE(log.contains(QStringLiteral("Sending: [NO5\"Den\"]")));
    EXPECT_FALSE(log.join('\n').contains("Aborting") || log.join('\n').contains("Breaking"));

    w.window.newZel16Action()->trigger();
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(w.window.model().zoneName(5), "Den");
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();
}

TEST(SerialWindow, ClosedPortIsAskedForAgainByImportButNotByExport)
{
    ZelSimProcess sim;
    ASSERT_TRUE(sim.start(ZelSimProcess::Link::Pty)) << sim.error().toStdString();
    LinkWindow w;
    w.window.serialModeAction()->trigger(); // cancelled: Serial Mode with no port
    ASSERT_EQ(w.prompts->errors.size(), 1);
    w.window.newZel16Action()->trigger();

    // Export: nothing is sent, and the box and the status line say so.
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
    EXPECT_EQ(w.prompts->portQuestions, 1);
    EXPECT_EQ(w.window.statusText(),
              QStringLiteral(" Export stopped before the first line: the serial port is not open"));
    EXPECT_TRUE(
        w.configurationLines().contains(QStringLiteral("Serial port not open.  Nothing sent.")));

    // Import: the port is asked for; cancelled, the import ends without the reader run.
    QSignalSpy readerRuns(&w.window, &ui::MainWindow::committedAndRefreshed);
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(w.prompts->portQuestions, 2);
    EXPECT_EQ(w.prompts->errors.size(), 2);
    EXPECT_EQ(readerRuns.count(), 0);

    // Given a port, the import opens it and goes on.
    w.prompts->portAnswers = {sim.address()};
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(w.window.model().zoneCount(), 16);
    EXPECT_EQ(w.prompts->errors.size(), 2);
}

} // namespace
} // namespace zel::test
