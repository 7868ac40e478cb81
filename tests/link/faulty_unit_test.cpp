// Transfers against units that misbehave or are not there, over TCP and a pseudo-terminal: each
// ends in time with the outcome and the log line that say what happened, and keeps what came.
// The plain faults of zelsim that the import and export tests already play (silence, a clean
// close, noise, an endless dump, "ERROR" to a line) are not repeated here.

#include "absent_units.h"
#include "link_fixture.h"

#include "link/export_lines.h"
#include "link/export_transfer.h"
#include "link/import_transfer.h"
#include "link/transfer_texts.h"
#include "ui/transfer/transfer_status_texts.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cctype>
#include <functional>

using namespace zel;
using namespace zel::test;
using link::TransferOutcome;
namespace texts = link::texts;
using Link = ZelSimProcess::Link;

namespace {

enum class Direction { Import, Export };

// Short limits, with room for a slow unit that still answers in time.
link::TransferSettings faultSettings()
{
    link::TransferSettings settings = quickSettings();
    settings.responseTimeout = std::chrono::milliseconds(600);
    settings.serialQuietTime = std::chrono::milliseconds(600);
    return settings;
}

// A unit holding a small configuration, so that a slow line carries its dump in a second; one
// name holds a Latin-1 letter.
const char kSmallConfiguration[] = "[SD1]\r\n[NO1\"Hall\"]\r\n[NO2\"K\xFC"
                                   "che\"]\r\n";

// How long the slow unit waits before each reply.
constexpr int kSlowReplyDelayMs = 300;

struct FaultRun {
    TransferRecord rec;
    QString received; // import: the text to apply
    QString errorText;
    int acknowledged = 0;
    qint64 bytesReceived = 0;
    bool turnedAway = false;
};

struct FaultCase {
    const char* what;
    Link link;
    Direction direction;
    QStringList faults;
    TransferOutcome outcome;
    QStringList logLines;         // every log line the transfer shows, in order
    bool switchOffMidway = false; // kill the unit once text has come (import) or at line 3
    QStringList lines = {};       // export: the text to send (empty: a blank ZEL-16)
    std::function<void(const FaultRun&)> check = {};
    // import: cancel this often once text has come; at the second the drain must end at once
    int cancels = 0;
};

// How a failing row names itself.
void PrintTo(const FaultCase& c, std::ostream* out)
{
    *out << c.what;
}

class FaultyUnit {
public:
    explicit FaultyUnit(const FaultCase& c) : m_case(c)
    {
        m_folder.reset(new QTemporaryDir);
        QStringList faults = c.faults;
        faults.replaceInStrings("SMALL", m_folder->filePath("small.zel"));
        QFile small(m_folder->filePath("small.zel"));
        if (small.open(QIODevice::WriteOnly))
            small.write(kSmallConfiguration);
        small.close();
        startSimulatedUnit(c.link, faults, m_sim, m_serial);
    }

    FaultRun run()
    {
        const QStringList lines =
            m_case.lines.isEmpty() ? configurationLines(blankZel16()) : m_case.lines;
        FaultRun result;
        if (m_case.direction == Direction::Import) {
            link::TransferSettings settings = faultSettings();
            // Only the second cancel can end a drain that waits this long.
            if (m_case.cancels > 1)
                settings.cancelDrainLimit = std::chrono::hours(1);
            link::ImportTransfer transfer(channelTo(m_case.link, m_sim, m_serial), settings);
            record(transfer, result.rec);
            if (m_case.cancels > 0)
                QObject::connect(&transfer, &link::ImportTransfer::textReceived, &transfer,
                                 [&transfer, this] {
                                     for (int i = 0; i < m_case.cancels; ++i)
                                         transfer.cancel();
                                 });
            if (m_case.switchOffMidway)
                QObject::connect(&transfer, &link::ImportTransfer::textReceived, &transfer,
                                 [this] { m_sim.kill(); });
            transfer.start();
            EXPECT_TRUE(waitForFinish(result.rec));
            result.received = transfer.receivedText();
            result.errorText = transfer.errorText();
            result.bytesReceived = transfer.bytesReceived();
            result.turnedAway = transfer.turnedAway();
        } else {
            link::ExportTransfer transfer(channelTo(m_case.link, m_sim, m_serial), lines,
                                          faultSettings());
            record(transfer, result.rec);
            if (m_case.switchOffMidway)
                QObject::connect(&transfer, &link::ExportTransfer::progress, &transfer,
                                 [this](int line) {
                                     if (line == 3)
                                         m_sim.kill();
                                 });
            transfer.start();
            EXPECT_TRUE(waitForFinish(result.rec));
            result.errorText = transfer.errorText();
            result.acknowledged = transfer.linesAcknowledged();
            result.bytesReceived = transfer.bytesReceived();
            result.turnedAway = transfer.turnedAway();
        }
        return result;
    }

private:
    const FaultCase& m_case;
    std::unique_ptr<QTemporaryDir> m_folder;
    ZelSimProcess m_sim;
    link::SerialEndpoint m_serial;
};

QString smallDump()
{
    return dumpLines(readConfiguration(QString::fromLatin1(kSmallConfiguration))).join('\n') +
           "\n[QXSB]";
}

// The first four lines of the small configuration, as an export sends them.
QStringList smallLines()
{
    return configurationLines(readConfiguration(QString::fromLatin1(kSmallConfiguration)))
        .mid(0, 4);
}

// Every fault, each a test of its own so that they can run side by side.
std::vector<FaultCase> faultCases()
{
    const QString dump = smallDump();
    const QStringList exported = smallLines();
    const QStringList slow = {"--config", "SMALL",         "--baud",
                              "9600",     "--reply-delay", QString::number(kSlowReplyDelayMs)};
    const QStringList late = {"--config", "SMALL", "--reply-delay", "900"};
    // An export whose first line asks for the dump: the unit then sends without end and never
    // acknowledges the line.
    const QStringList flooding = {"[QXSB]", "[SD0]"};

    // The small configuration goes through whole, whatever the unit puts around its lines.
    const auto whole = [&](const char* what, Link link, Direction direction, QStringList faults) {
        return FaultCase{what,
                         link,
                         direction,
                         QStringList{"--config", "SMALL"} + faults,
                         TransferOutcome::Completed,
                         {},
                         false,
                         direction == Direction::Export ? exported : QStringList{},
                         [dump, exported, direction](const FaultRun& r) {
                             if (direction == Direction::Import)
                                 EXPECT_EQ(r.received, dump);
                             else
                                 EXPECT_EQ(r.acknowledged, exported.size());
                         }};
    };
    const QStringList lf = {"--line-end", "lf"};
    const QStringList cr = {"--line-end", "cr"};
    // A serial import cancelled while the unit sends without end says what it dropped.
    const auto cancelled = [](const char* what, int cancels) {
        return FaultCase{what,
                         Link::Pty,
                         Direction::Import,
                         {"--endless"},
                         TransferOutcome::Cancelled,
                         {},
                         false,
                         {},
                         [](const FaultRun& r) {
                             ASSERT_EQ(r.rec.logLines.size(), 2);
                             EXPECT_EQ(r.rec.logLines[0], texts::kCancelled);
                             EXPECT_TRUE(r.rec.logLines[1].contains(QRegularExpression(
                                 "^Dropped the \\d+ bytes the unit sent after the cancel\\.$")));
                         },
                         cancels};
    };
    const auto partOfTheDump = [](const FaultRun& r) {
        EXPECT_FALSE(r.received.isEmpty());
        EXPECT_FALSE(r.received.contains("[QXSB]"));
    };

    // The acknowledgement read before the loss counts; the loss is told in plain words.
    const auto closedAtOnce = [](const FaultRun& r) {
        EXPECT_TRUE(r.turnedAway);
        EXPECT_TRUE(r.rec.statuses.last().contains(texts::kClosedAtOnceWhy))
            << r.rec.statuses.last().toStdString();
    };
    const auto portLostAfterTwo = [](const FaultRun& r) {
        EXPECT_EQ(r.acknowledged, 2);
        EXPECT_EQ(r.errorText, link::portLostText());
    };
    return {
        {"refuses the dump request",
         Link::Tcp,
         Direction::Import,
         {"--error-on", "QXSB"},
         TransferOutcome::TimedOut,
         {texts::noResponseLine(faultSettings().responseTimeout)},
         false,
         {},
         // The answer to "[]" is not part of the dump.
         [](const FaultRun& r) { EXPECT_EQ(r.received, "(ERROR)\n"); }},
        {"refuses the dump request",
         Link::Pty,
         Direction::Import,
         {"--error-on", "QXSB"},
         TransferOutcome::TimedOut,
         {},
         false,
         {},
         [](const FaultRun& r) { EXPECT_EQ(r.received, "(ERROR)\n"); }},
        {"answers slowly but steadily",
         Link::Tcp,
         Direction::Import,
         slow,
         TransferOutcome::Completed,
         {},
         false,
         {},
         [dump](const FaultRun& r) {
             EXPECT_EQ(r.received, dump);
             // 9600 baud carries a byte in about a millisecond: the response time passed while
             // the dump came, so only the bytes that kept coming held the time-out off.
             EXPECT_GT(kSlowReplyDelayMs + r.bytesReceived, faultSettings().responseTimeout.count())
                 << "the dump took longer than the response time";
         }},
        {"answers slowly but steadily",
         Link::Pty,
         Direction::Import,
         slow,
         TransferOutcome::Completed,
         {},
         false,
         {},
         [dump](const FaultRun& r) { EXPECT_EQ(r.received, dump); }},
        {"is switched off mid-dump",
         Link::Tcp,
         Direction::Import,
         {"--baud", "9600"},
         TransferOutcome::ConnectionClosed,
         {},
         true,
         {},
         partOfTheDump},
        {"is switched off mid-dump",
         Link::Pty,
         Direction::Import,
         {"--baud", "9600"},
         TransferOutcome::ConnectionClosed,
         {},
         true,
         {},
         partOfTheDump},
        {"answers after the response time",
         Link::Tcp,
         Direction::Export,
         late,
         TransferOutcome::TimedOut,
         {texts::kCommandTimeout},
         false,
         exported}, // at "[]"
        {"answers after the response time",
         Link::Pty,
         Direction::Export,
         late,
         TransferOutcome::TimedOut,
         {texts::kSending + exported[0], texts::kWaitingFor + link::expectedReply(exported[0]),
          texts::noResponseLine(faultSettings().responseTimeout)},
         false,
         exported},
        {"answers slowly but in time",
         Link::Tcp,
         Direction::Export,
         slow,
         TransferOutcome::Completed,
         {},
         false,
         exported,
         [exported](const FaultRun& r) { EXPECT_EQ(r.acknowledged, exported.size()); }},
        {"answers slowly but in time",
         Link::Pty,
         Direction::Export,
         slow,
         TransferOutcome::Completed,
         {},
         false,
         exported,
         [exported](const FaultRun& r) { EXPECT_EQ(r.acknowledged, exported.size()); }},
        {"sends without end instead of acknowledging",
         Link::Tcp,
         Direction::Export,
         {"--endless"},
         TransferOutcome::LimitReached,
         {texts::kSending + flooding[0], texts::kWaitingFor + link::expectedReply(flooding[0]),
          texts::replyLimitLine(faultSettings().receiveLimit)},
         false,
         flooding,
         [](const FaultRun& r) {
             EXPECT_EQ(r.acknowledged, 0);
             EXPECT_LE(r.rec.box.size(), 2 * faultSettings().receiveLimit)
                 << "what the unit floods the text box with is bounded";
             // The outcome, LimitReached and not TimedOut, says it did not wait for the
             // response time.
             EXPECT_TRUE(
                 r.rec.box.endsWith(texts::replyLimitLine(faultSettings().receiveLimit) + "\n"));
         }},
        {"sends without end instead of acknowledging",
         Link::Pty,
         Direction::Export,
         {"--endless"},
         TransferOutcome::Completed,
         {},
         false,
         flooding,
         [](const FaultRun& r) {
             EXPECT_EQ(r.acknowledged, 2) << "any \"]\" acknowledges a serial line";
         }},
        {"is switched off mid-export",
         Link::Tcp,
         Direction::Export,
         {"--reply-delay", "50"},
         TransferOutcome::ConnectionClosed,
         {},
         true,
         {},
         [](const FaultRun& r) {
             EXPECT_EQ(r.acknowledged, 2);
             EXPECT_EQ(r.rec.logLines.last(), texts::kConnectionClosed);
         }},
        whole("ends its lines with a line feed alone", Link::Tcp, Direction::Import, lf),
        whole("ends its lines with a line feed alone", Link::Pty, Direction::Import, lf),
        whole("ends its lines with a carriage return alone", Link::Tcp, Direction::Import, cr),
        whole("ends its lines with a carriage return alone", Link::Pty, Direction::Import, cr),
        whole("acknowledges with a line feed alone", Link::Tcp, Direction::Export, lf),
        whole("negotiates telnet options at connect and inside a dump line", Link::Tcp,
              Direction::Import, {"--telnet-negotiation", "both"}),
        whole("negotiates telnet options at connect", Link::Tcp, Direction::Export,
              {"--telnet-negotiation", "connect"}),
        whole("answers the handshake after a line end", Link::Tcp, Direction::Import,
              {"--handshake-reply", "\\r\\n)"}),
        cancelled("goes on sending after a cancel", 1),
        cancelled("goes on sending after a cancel, cancelled twice", 2),
        // clang-format off
        {"is switched off mid-export", Link::Pty, Direction::Export, {"--reply-delay", "50"},
         TransferOutcome::ConnectionClosed, {}, true, {}, portLostAfterTwo},
        {"hangs up after line 2", Link::Pty, Direction::Export, {"--close-after", "2", "--hang-up"},
         TransferOutcome::ConnectionClosed, {}, false, exported, portLostAfterTwo},
        // A one-client unit or bridge whose session another program holds.
        {"closes the connection at once", Link::Tcp, Direction::Import, {"--close-after", "0"},
         TransferOutcome::ConnectionClosed, {}, false, {}, closedAtOnce},
        {"closes the connection at once", Link::Tcp, Direction::Export, {"--close-after", "0"},
         TransferOutcome::ConnectionClosed, {texts::kConnectionClosed}, false, exported,
         closedAtOnce},
        {"only echoes each line back", Link::Tcp, Direction::Export, {"--echo"},
         TransferOutcome::TimedOut, {texts::kSending + exported[0], texts::kWaitingFor +
         link::expectedReply(exported[0]), texts::kCommandTimeout}, false, exported},
        {"only echoes each line back", Link::Pty, Direction::Export, {"--echo"},
         TransferOutcome::Completed, {}, false, exported, [exported](const FaultRun& r) {
             EXPECT_EQ(r.acknowledged, exported.size()) << "an echo ends with \"]\"";
             EXPECT_EQ(r.rec.statuses.last(), ui::status::kCompleteOnlyEchoed); }},
        // clang-format on
    };
}

// "tcp_import_from_a_unit_that_refuses_the_dump_request": the row's link, direction and fault.
std::string faultCaseName(const testing::TestParamInfo<FaultCase>& info)
{
    const FaultCase& c = info.param;
    std::string name =
        std::string(c.link == Link::Tcp ? "tcp " : "pty ") +
        (c.direction == Direction::Import ? "import from a unit that " : "export to a unit that ") +
        c.what;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

class FaultyUnitRun : public testing::TestWithParam<FaultCase> {};

} // namespace

TEST_P(FaultyUnitRun, EndsWithItsOutcomeAndLogLine)
{
    const FaultCase& c = GetParam();
    FaultyUnit unit(c);
    const FaultRun run = unit.run();
    EXPECT_EQ(run.rec.outcome, c.outcome);
    EXPECT_EQ(run.rec.finishedCount, 1);
    if (!c.logLines.isEmpty() || (c.direction == Direction::Import && c.cancels == 0)) {
        EXPECT_EQ(run.rec.logLines, c.logLines);
    }
    if (c.check)
        c.check(run);
}

INSTANTIATE_TEST_SUITE_P(FaultyUnit, FaultyUnitRun, testing::ValuesIn(faultCases()), faultCaseName);

TEST(FaultyUnit, UnitThatIsNotThereFailsTheTransferWithTheLinksError)
{
    const UnansweredListener unanswered;
    ASSERT_TRUE(unanswered.isReady());
    struct Case {
        const char* what;
        QString host;
        QString error;
        bool turnedAway = false; // as a unit whose one session another program holds does
    };
    const Case cases[] = {
        {"connection refused", refusingHost(), "refused", true},
        {"unknown host", kUnknownHost, "not found"},
        {"port out of range", kHostWithBadPort, "Port 99999 is out of range (1 to 65535)"},
        {"port not a number", "127.0.0.1:abc", "Port \"abc\" is not a number"},
        {"connection attempt never answered", unanswered.host(),
         texts::connectTimeoutError(faultSettings().responseTimeout)},
    };
    for (const Case& c : cases) {
        for (const Direction direction : {Direction::Import, Direction::Export}) {
            SCOPED_TRACE(std::string(direction == Direction::Import ? "import: " : "export: ") +
                         c.what);
            TransferRecord rec;
            QString error;
            bool turnedAway = false;
            if (direction == Direction::Import) {
                link::ImportTransfer transfer(std::make_unique<link::TelnetChannel>(c.host),
                                              faultSettings());
                record(transfer, rec);
                transfer.start();
                ASSERT_TRUE(waitForFinish(rec));
                error = transfer.errorText();
                turnedAway = transfer.turnedAway();
                EXPECT_TRUE(transfer.receivedText().isEmpty());
                // The status names the host; the window reports the error.
                EXPECT_EQ(rec.statuses, QStringList({" Importing from host: " + c.host,
                                                     " Import failed from host: " + c.host}));
            } else {
                link::ExportTransfer transfer(std::make_unique<link::TelnetChannel>(c.host),
                                              {"[SD0]"}, faultSettings());
                record(transfer, rec);
                transfer.start();
                ASSERT_TRUE(waitForFinish(rec));
                error = transfer.errorText();
                turnedAway = transfer.turnedAway();
                EXPECT_EQ(rec.statuses, QStringList{" Export stopped before the first line: the "
                                                    "unit could not be reached"});
            }
            EXPECT_EQ(rec.outcome, TransferOutcome::LinkFailed);
            EXPECT_EQ(turnedAway, c.turnedAway);
            EXPECT_TRUE(rec.logLines.isEmpty());
            EXPECT_TRUE(error.contains(c.error, Qt::CaseInsensitive)) << error.toStdString();
        }
    }

    // A serial port whose device is gone cannot be opened, and says why.
    QString goneTerminal;
    {
        ZelSimProcess sim;
        ASSERT_TRUE(sim.start(Link::Pty)) << sim.error().toStdString();
        goneTerminal = sim.address();
    }
    for (const QString& port : {goneTerminal, QStringLiteral("/dev/zel-no-such-port")}) {
        SCOPED_TRACE(port.toStdString());
        link::SerialEndpoint serial;
        EXPECT_FALSE(serial.open(port));
        EXPECT_FALSE(serial.errorString().isEmpty());
        EXPECT_FALSE(serial.isOpen());
    }
}

TEST(FaultyUnit, TransferDroppedWhileItRunsLetsGoOfTheConnection)
{
    // As when the window goes while a transfer waits: the transfer is destroyed mid-way.
    for (const Direction direction : {Direction::Import, Direction::Export}) {
        SCOPED_TRACE(direction == Direction::Import ? "import" : "export");
        ZelSimProcess sim;
        ASSERT_TRUE(sim.start(Link::Tcp, {"--reply-delay", "100", "--baud", "9600"}))
            << sim.error().toStdString();
        TransferRecord rec;
        std::unique_ptr<link::Transfer> transfer;
        if (direction == Direction::Import)
            transfer = std::make_unique<link::ImportTransfer>(
                std::make_unique<link::TelnetChannel>(sim.address()), faultSettings());
        else
            transfer = std::make_unique<link::ExportTransfer>(
                std::make_unique<link::TelnetChannel>(sim.address()),
                configurationLines(blankZel16()), faultSettings());
        record(*transfer, rec);
        transfer->start();
        // Connected, and in the middle of it.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !rec.box.isEmpty(); }, 5000));
        EXPECT_EQ(rec.finishedCount, 0);
        const QString shown = rec.box;
        transfer.reset();
        // The unit goes on serving: a second connection's first text comes after the 100 ms
        // the unit waits before each reply, so after all the dropped transfer could still cause.
        TransferRecord later;
        link::ImportTransfer next(std::make_unique<link::TelnetChannel>(sim.address()),
                                  faultSettings());
        record(next, later);
        next.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !later.box.isEmpty(); }, 5000));
        EXPECT_EQ(rec.finishedCount, 0) << "a destroyed transfer reports nothing more";
        EXPECT_EQ(rec.box, shown);
    }
}
