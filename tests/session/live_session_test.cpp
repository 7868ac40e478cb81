// Live mode against zelsim over loopback TCP and a pseudo-terminal: what reaches the unit, what
// the state says when the unit refuses, falls silent, goes away or comes back changed, and the
// journal's two entries.
#include "link/link_fixture.h"
#include "manual_clock.h"

#include "journal/journal.h"
#include "link/import_transfer.h"
#include "model/config_writer.h"
#include "session/configuration/configuration_session.h"
#include "session/live/live_session.h"

#include <QUndoStack>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace zel::session {
namespace {

using test::ZelSimProcess;
using Pace = EditStep::Pace;

// A unit run by zelsim, the configuration being edited (the unit's own), and live mode between
// them, paced by a clock the test moves.
class LiveRig {
public:
    explicit LiveRig(ZelSimProcess::Link link) : m_link(link)
    {
        LiveSettings settings;
        settings.replyTimeout = std::chrono::milliseconds(600);
        settings.firstRetry = std::chrono::milliseconds(50);
        live.setSettings(settings);
        QObject::connect(&live, &LiveSession::statusChanged,
                         [this](const LiveStatus& status) { states.push_back(status.state); });
        QObject::connect(&live, &LiveSession::ended, [this](const LiveEnd& end) { ended = end; });
        config.readerRun(model::joinLines(model::writeConfiguration(test::blankZel16()), "\n"));
    }

    void goLive(const QStringList& faults = {})
    {
        test::startSimulatedUnit(m_link, faults, sim, m_serial);
        live.start({[this]() -> std::unique_ptr<link::LinkChannel> {
                        if (m_link == ZelSimProcess::Link::Tcp)
                            return test::channelTo(m_link, sim, m_serial);
                        return std::make_unique<link::SerialChannel>(
                            m_serial, link::SerialChannel::OnClosedPort::Reopen);
                    },
                    QStringLiteral("test unit"), transfer, folder.filePath("units.json")});
    }

    // Leaves live mode, what is pending sent and the unit read back.
    bool leave()
    {
        live.stop(LiveSession::Ending::Finish);
        return QTest::qWaitFor([&] { return ended.has_value(); }, 15000);
    }

    // The kinds of the journal's entries, newest first.
    std::vector<journal::Kind> journalKinds() const
    {
        std::vector<journal::Kind> kinds;
        for (const journal::Entry& entry : journal.entries())
            kinds.push_back(journal::kindOf(entry));
        return kinds;
    }

    // Waits for `state`, the settle clock going on as time does.
    bool waitFor(LiveState state, int ms = 15000)
    {
        QElapsedTimer elapsed;
        elapsed.start();
        return QTest::qWaitFor(
            [&] {
                clock.advance(elapsed.restart());
                return live.status().state == state;
            },
            ms);
    }

    void setVolume(int zone, int db, Pace pace = Pace::Single)
    {
        config.model().zoneAudio(zone).volume = static_cast<int8_t>(db);
        config.recordEdit({QStringLiteral("Zone %1 Volume").arg(zone),
                           pace == Pace::Drag ? QStringLiteral("drag") : QString(),
                           model::DiffSubject::ZoneAudio, zone, pace});
    }

    // The volume lines zelsim took for `zone`.
    QStringList volumeCommands(int zone)
    {
        return sim.receivedCommands().filter(QStringLiteral("[VO%1R").arg(zone));
    }

    // What the unit holds now, fetched over a link of its own once live mode has ended.
    model::ConfigModel unitNow()
    {
        link::ImportTransfer fetch(test::channelTo(m_link, sim, m_serial), test::quickSettings());
        QSignalSpy fetched(&fetch, &link::Transfer::finished);
        fetch.start();
        EXPECT_TRUE(fetched.wait(10000));
        return test::readConfiguration(fetch.receivedText());
    }

    // The text of the journal's newest entry.
    QByteArray newestEntry() const { return journal.text(journal.entries().first()).value_or(""); }

    QTemporaryDir folder;
    journal::Journal journal{folder.path()};
    ConfigurationSession config;
    test::ManualClock clock;
    LiveSession live{config, clock, &journal};
    link::TransferSettings transfer = test::quickSettings();
    ZelSimProcess sim;
    std::vector<LiveState> states;
    std::optional<LiveEnd> ended;

private:
    ZelSimProcess::Link m_link;
    link::SerialEndpoint m_serial;
};

class LiveSessionTest : public test::LinkTest {};

TEST_P(LiveSessionTest, ADragSendsFewBlocksAndTheLastValueWithTwoJournalEntries)
{
    LiveRig rig(GetParam());
    rig.goLive();
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    for (int step = 1; step <= 200; ++step) { // 2 s of moves, every 10 ms
        rig.clock.advance(10);
        rig.setVolume(1, -80 + (step * 60) / 200, Pace::Drag);
        QCoreApplication::processEvents(); // the sends the pacer let go start
    }
    rig.live.release();
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    const QStringList sent = rig.volumeCommands(1);
    EXPECT_LE(sent.size(), 2000 / 200 + 1) << sent.join(' ').toStdString();
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.last(), QStringLiteral("[VO1R-20]"));
    rig.setVolume(1, -35, Pace::Drag); // away and back before the settle time: nothing goes
    rig.setVolume(1, -20, Pace::Drag);
    rig.live.release();
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    EXPECT_EQ(rig.volumeCommands(1), sent);
    // To and fro across the value sent, 100 moves over 1 s: it still goes while dragged.
    for (int step = 1; step <= 100; ++step) {
        rig.clock.advance(10);
        rig.setVolume(1, -20 - step % 5, Pace::Drag);
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return rig.volumeCommands(1).size() >= sent.size() + 2; }, 5000))
        << "sent before the release";
    rig.live.release();
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    EXPECT_EQ(rig.volumeCommands(1).last(), QStringLiteral("[VO1R-20]"));
    ASSERT_TRUE(rig.leave());
    ASSERT_TRUE(rig.ended->began && rig.ended->readBack);
    EXPECT_TRUE(rig.ended->unitHoldsEdited) << "the read back agreed";
    // The unit as found, the lines sent live as what they are, the unit as read back.
    using journal::Kind;
    EXPECT_EQ(rig.journalKinds(),
              (std::vector{Kind::WholeFetch, Kind::LiveSend, Kind::WholeFetch}));
    const QList<journal::Entry> kept = rig.journal.entries();
    EXPECT_EQ(
        (QList{kept[0].cause, kept[1].cause, kept[2].cause}),
        (QList{journal::Cause::LiveEnd, journal::Cause::LiveEdit, journal::Cause::LiveStart}));
    EXPECT_TRUE(rig.newestEntry().contains("[VO1R-20]"));
    const journal::Entry sentLive = rig.journal.entries()[1];
    EXPECT_EQ(sentLive.configLines, rig.ended->linesSent);
    const QStringList took = rig.sim.receivedCommands();
    EXPECT_EQ(sentLive.configLines, took.filter("[VO").size() + took.filter("[EC]").size());
}

TEST_P(LiveSessionTest, AnErrorReplyLeavesTheBlockNotApplied)
{
    LiveRig rig(GetParam());
    rig.goLive({"--error-on", "VO2R"});
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    rig.states.clear();
    rig.setVolume(2, -30);
    ASSERT_TRUE(rig.waitFor(LiveState::NotApplied));
    EXPECT_EQ(rig.live.status().notApplied, 1);
    rig.live.resend(); // refused again: still not applied
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.volumeCommands(2).size() == 2; }, 10000));
    ASSERT_TRUE(rig.waitFor(LiveState::NotApplied));
    EXPECT_EQ(std::count(rig.states.begin(), rig.states.end(), LiveState::InSync), 0);
    ASSERT_TRUE(rig.leave());
    EXPECT_TRUE(rig.ended->notSent == 1 && !rig.ended->unitHoldsEdited);
    EXPECT_EQ(rig.journalKinds()[1], journal::Kind::IncompleteLiveSend);
    EXPECT_FALSE(rig.newestEntry().contains("[VO2R-30]"));
}

TEST_P(LiveSessionTest, AUnitGoneMidDragIsLinkLostWithNothingDropped)
{
    LiveRig rig(GetParam());
    rig.goLive();
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    rig.setVolume(3, -40, Pace::Drag);
    rig.sim.kill();
    ASSERT_TRUE(rig.waitFor(LiveState::LinkLost));
    for (int db = -39; db <= -30; ++db) {
        rig.clock.advance(50);
        rig.setVolume(3, db, Pace::Drag);
    }
    rig.live.release();
    QCoreApplication::processEvents();
    const LiveStatus lost = rig.live.status();
    EXPECT_EQ(lost.state, LiveState::LinkLost);
    EXPECT_EQ(lost.pending + lost.notApplied, 1) << "zone 3's block waits, once";
    rig.live.stop(LiveSession::Ending::Finish); // cannot finish: cancelled, and said so
    ASSERT_TRUE(rig.ended);
    EXPECT_FALSE(rig.ended->finished);
    EXPECT_EQ(rig.ended->notSent, 1);
    EXPECT_FALSE(rig.newestEntry().contains("[VO3R-30]"));
}

TEST_P(LiveSessionTest, ALinkLostWhileLeavingCancelsWhatWasOnItsWayOnce)
{
    LiveRig rig(GetParam());
    QSignalSpy ended(&rig.live, &LiveSession::ended);
    rig.transfer.serialQuietTime = std::chrono::milliseconds(1000); // the dump starts late
    rig.goLive({"--reply-delay", "300"});
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    rig.setVolume(8, -30);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.live.status().pending == 1; }, 5000));
    rig.live.stop(LiveSession::Ending::Finish); // waits for the block on its way
    EXPECT_EQ(rig.live.status().state, LiveState::Ending);
    rig.sim.kill();
    ASSERT_TRUE(ended.wait(15000));
    EXPECT_FALSE(rig.live.isLive());
    ASSERT_EQ(ended.size(), 1);
    ASSERT_TRUE(rig.ended);
    EXPECT_FALSE(rig.ended->finished);
    EXPECT_EQ(rig.ended->pending, 1);
    EXPECT_EQ(rig.ended->notSent, 1);
    EXPECT_EQ(rig.journal.entries().size(), 2);
}

TEST_P(LiveSessionTest, UnitDiffersAsksWhichSideWins)
{
    using Found = LiveSession::Found;
    struct Case {
        const char* what;
        Found found;
        LiveSession::Side side;
        QList<QByteArray> unitDoes = {}; // once live and in sync
        int connections = 0;             // live's, once more when back, the check
        int zone4Volume = 0;             // in the editor at the end
    };
    const Case cases[] = {
        {"at the start, edited values sent", Found::AtStart, LiveSession::Side::SendEdited},
        {"at the start, the unit's taken", Found::AtStart, LiveSession::Side::TakeUnits},
        // Forgets what it was sent, and the link with it.
        {"after the unit was switched off and on",
         Found::LinkBack,
         LiveSession::Side::TakeUnits,
         {"restart"},
         3,
         -12},
        {"after a change at the unit's keypad and a dropped link",
         Found::LinkBack,
         LiveSession::Side::SendEdited,
         {"keypad [VO4R-10]", "drop"},
         3,
         -25},
        {"read again after a change at the unit's keypad",
         Found::ReadAgain,
         LiveSession::Side::TakeUnits,
         {"keypad [VO4R-10]"},
         2,
         -10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const bool atStart = c.found == Found::AtStart;
        // A pseudo-terminal does not come back: a new one has another path.
        if (!isTcp() && c.found == Found::LinkBack)
            continue;
        LiveRig rig(GetParam());
        if (c.found == Found::ReadAgain) {
            LiveSettings settings = rig.live.settings();
            settings.quietBeforeRead = std::chrono::milliseconds(100);
            settings.readPeriod = std::chrono::milliseconds(300);
            rig.live.setSettings(settings);
        }
        QSignalSpy differs(&rig.live, &LiveSession::unitDiffers);
        if (atStart)
            rig.config.model().setZoneName(4, "Edited");
        rig.goLive({"--control"});
        if (!atStart) {
            ASSERT_TRUE(rig.waitFor(LiveState::InSync));
            rig.setVolume(4, -25);
            ASSERT_TRUE(rig.waitFor(LiveState::InSync));
            for (const QByteArray& command : c.unitDoes)
                ASSERT_TRUE(rig.sim.control(command));
        }
        ASSERT_TRUE(differs.wait(15000));
        EXPECT_EQ(differs.first().first().toBool(), atStart);
        EXPECT_EQ(rig.live.differsFound(), c.found);
        EXPECT_EQ(rig.live.status().state, LiveState::UnitDiffers);
        rig.states.clear();
        rig.live.resolve(c.side);
        ASSERT_TRUE(rig.waitFor(LiveState::InSync));
        // "In sync" only once a read after the answer agreed: an acknowledgement is no read.
        const auto inSync = std::find(rig.states.begin(), rig.states.end(), LiveState::InSync);
        EXPECT_NE(std::find(rig.states.begin(), inSync, LiveState::Reading), inSync);
        ASSERT_TRUE(rig.leave());
        EXPECT_TRUE(rig.ended->unitHoldsEdited);
        EXPECT_TRUE(model::compareConfigurations(rig.unitNow(), rig.config.model()).empty());
        EXPECT_EQ(rig.config.model().zoneName(4) == "Edited",
                  atStart && c.side == LiveSession::Side::SendEdited);
        // As found, the read that found the unit changed (after a start that agreed), the
        // lines sent live, the read back.
        EXPECT_EQ(rig.journal.entries().size(), atStart ? 3 : 4);
        if (!atStart && isTcp()) {
            // Never a second session beside the first.
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return rig.sim.openedConnections() >= c.connections; }, 5000));
            EXPECT_EQ(rig.sim.openedConnections(), c.connections);
        }
        if (!atStart)
            EXPECT_EQ(rig.config.model().zoneAudio(4).volume, c.zone4Volume);
    }
}

// Every read that decides is kept, whatever ends it; a unit that is not the one the configuration
// came from, at the start or behind the link when it came back, is asked about before anything
// else, and nothing goes to it when the answer is no.
TEST(LiveSession, ReadsAreKeptAndAnotherUnitIsAskedAboutFirst)
{
    using journal::Kind;
    const QString filled = ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel";
    enum class Then { Nothing, Cancel, Swap };
    struct Case {
        const char* what;
        QStringList faults;
        Then then;
        bool refused; // live mode could not start
        int asked;    // about another unit
        std::vector<Kind> kinds;
    };
    const Case cases[] = {
        {"the start read cancelled",
         {"--baud", "9600"},
         Then::Cancel,
         false,
         0,
         {Kind::IncompleteFetch}},
        {"a device that only echoes",
         {"--echo-only"},
         Then::Nothing,
         true,
         0,
         {Kind::IncompleteFetch}},
        {"another unit at the start",
         {"--config", filled},
         Then::Nothing,
         false,
         1,
         {Kind::WholeFetch}},
        {"another unit once the link came back",
         {},
         Then::Swap,
         false,
         1,
         {Kind::LiveSend, Kind::WholeFetch, Kind::WholeFetch}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LiveRig rig(ZelSimProcess::Link::Tcp);
        QSignalSpy asked(&rig.live, &LiveSession::anotherUnitFound);
        QSignalSpy failed(&rig.live, &LiveSession::startFailed);
        QObject::connect(
            &rig.live, &LiveSession::anotherUnitFound, &rig.live,
            [&] { rig.live.answerAnotherUnit(false); }, Qt::QueuedConnection);
        rig.goLive(c.faults);
        if (c.then == Then::Cancel) {
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return rig.sim.receivedCommands().contains("[QXSB]"); }));
            rig.live.stop(LiveSession::Ending::Finish);
        } else if (c.then == Then::Swap) {
            ASSERT_TRUE(rig.waitFor(LiveState::InSync));
            const QString address = rig.sim.address();
            rig.sim.kill();
            ASSERT_TRUE(rig.sim.start(ZelSimProcess::Link::Tcp, {"--config", filled}, address));
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !rig.live.isLive(); }, 15000));
        EXPECT_EQ(failed.size(), c.refused ? 1 : 0);
        EXPECT_EQ(asked.size(), c.asked);
        EXPECT_EQ(rig.journalKinds(), c.kinds);
        EXPECT_EQ(rig.journal.entries().value(c.then == Then::Swap ? 1 : 0).cause,
                  c.then == Then::Swap ? journal::Cause::LiveRead : journal::Cause::LiveStart);
        QStringList sent = rig.sim.receivedCommands();
        sent.removeAll("[]");
        sent.removeAll("[QXSB]");
        EXPECT_TRUE(sent.isEmpty()) << "nothing went to the unit: " << sent.join(' ').toStdString();
    }
}

// What one edit sends: the lines of the members it changed, as the writer writes them in the
// zone's mode, never a member the edit left alone (here one changed at the unit's keypad).
TEST(LiveSession, AnEditSendsOnlyTheMembersItChanged)
{
    LiveRig rig(ZelSimProcess::Link::Tcp);
    LiveSettings settings = rig.live.settings();
    settings.readPeriod = std::chrono::minutes(10); // the keypad's change stays unseen
    rig.live.setSettings(settings);
    rig.goLive({"--control"});
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    struct Case {
        const char* what;
        std::function<void(model::ZoneAudio&)> edit;
        QStringList sent;
        QByteArray keypadAfter = {};
    };
    const Case cases[] = {
        {"a volume: its lock and value lines",
         [](model::ZoneAudio& zone) { zone.volume = -30; },
         {"[VO7F0]", "[VO7R-30]", "[EC]"},
         "keypad [VO7R-10]"},
        {"a balance nudge: its line, not the volume changed at the keypad",
         [](model::ZoneAudio& zone) { zone.balance = 3; },
         {"[BO7R3]", "[EC]"}},
        {"a mode change: the mode line and what the new mode writes",
         [](model::ZoneAudio& zone) {
             zone.eqMode = model::kEqModeTone;
             zone.bass = 2;
         },
         {"[EO7M3]", "[TO7B-2T0]", "[EC]"}},
        {"a tone: its line",
         [](model::ZoneAudio& zone) { zone.treble = -4; },
         {"[TO7B-2T4]", "[EC]"}},
        {"another mode: its line and its one setting",
         [](model::ZoneAudio& zone) {
             zone.eqMode = model::kEqModeLowpass;
             zone.lowpass = 120;
         },
         {"[EO7M4]", "[EO7LP120]", "[EC]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const qsizetype taken = rig.sim.receivedCommands().size();
        c.edit(rig.config.model().zoneAudio(7));
        rig.config.recordEdit({c.what, {}, model::DiffSubject::ZoneAudio, 7});
        ASSERT_TRUE(rig.waitFor(LiveState::Sending));
        ASSERT_TRUE(rig.waitFor(LiveState::InSync));
        EXPECT_EQ(rig.sim.receivedCommands().mid(taken), c.sent);
        if (!c.keypadAfter.isEmpty()) {
            ASSERT_TRUE(rig.sim.control(c.keypadAfter));
            ASSERT_TRUE(QTest::qWaitFor([&] { return rig.unitNow().zoneAudio(7).volume == -10; }));
        }
    }
    ASSERT_TRUE(rig.leave());
    EXPECT_EQ(rig.unitNow().zoneAudio(7).volume, -10) << "the keypad's volume stays";
}

TEST(LiveSession, EachEditUndoAndRedoIsOneSendOfWhatChanged)
{
    LiveRig rig(ZelSimProcess::Link::Tcp);
    rig.goLive();
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    const auto sends = [&] { return rig.sim.receivedCommands().count(QStringLiteral("[EC]")); };
    struct Case {
        const char* what;
        std::function<void()> edit;
        QStringList volumes; // the volume lines the one send carries
    };
    const Case cases[] = {
        {"settings copied to four zones",
         [&] {
             for (int zone = 2; zone <= 5; ++zone)
                 rig.config.model().zoneAudio(zone).volume =
                     -16; // undone: a raise within the limit
             rig.config.recordEdit({"Copy Zone 1 Settings", {}, model::DiffSubject::ZoneAudio, 1});
         },
         {"[VO2R-16]", "[VO3R-16]", "[VO4R-16]", "[VO5R-16]"}},
        {"undo",
         [&] { rig.config.undoStack()->undo(); },
         {"[VO2R-12]", "[VO3R-12]", "[VO4R-12]", "[VO5R-12]"}},
        {"redo",
         [&] { rig.config.undoStack()->redo(); },
         {"[VO2R-16]", "[VO3R-16]", "[VO4R-16]", "[VO5R-16]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const qsizetype before = sends();
        const qsizetype taken = rig.sim.receivedCommands().size();
        c.edit();
        ASSERT_TRUE(rig.waitFor(LiveState::Sending));
        ASSERT_TRUE(rig.waitFor(LiveState::InSync));
        EXPECT_EQ(sends(), before + 1);
        EXPECT_EQ(rig.sim.receivedCommands().mid(taken).filter(QStringLiteral("[VO")).filter("R"),
                  c.volumes);
    }
}

TEST(LiveSession, LargeVolumeRaisesAreAskedOrFollowTheHand)
{
    struct Case {
        const char* what;
        Pace pace;
        bool answer;
        int asked;
        int unitEndsAt; // zone 6's volume
    };
    const Case cases[] = {
        {"a click, allowed", Pace::Single, true, 1, -20},
        {"a click, declined: the unit's volume kept", Pace::Single, false, 1, -60},
        {"a drag: no question, 12 dB a send", Pace::Drag, false, 0, -20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LiveRig rig(ZelSimProcess::Link::Tcp);
        int asked = 0;
        rig.live.setRaiseQuestion([&](const std::vector<VolumeRaise>& raises) {
            ++asked;
            EXPECT_EQ(raises.size(), 1u);
            return c.answer;
        });
        rig.goLive();
        ASSERT_TRUE(rig.waitFor(LiveState::InSync));
        rig.setVolume(6, -60); // lower: never asked
        ASSERT_TRUE(rig.waitFor(LiveState::InSync));
        rig.setVolume(6, -20, c.pace);
        rig.live.release();
        ASSERT_TRUE(rig.waitFor(LiveState::InSync));
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(rig.config.model().zoneAudio(6).volume, c.unitEndsAt);
        const QStringList sent = rig.volumeCommands(6);
        EXPECT_EQ(sent.last(), QStringLiteral("[VO6R%1]").arg(c.unitEndsAt));
        for (qsizetype i = 1; i < sent.size(); ++i) {
            const int step =
                sent[i].mid(5).chopped(1).toInt() - sent[i - 1].mid(5).chopped(1).toInt();
            EXPECT_LE(step, c.answer ? 40 : 12) << sent.join(' ').toStdString();
        }
    }
}

// A serial line has no sessions: this is TCP's alone.
TEST(LiveSession, AReplyTimeoutNeverOpensASecondSession)
{
    LiveRig rig(ZelSimProcess::Link::Tcp);
    rig.goLive({"--control", "--one-client"});
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    ASSERT_TRUE(rig.sim.control("silent"));
    rig.setVolume(5, -33);
    ASSERT_TRUE(rig.waitFor(LiveState::NotApplied));
    ASSERT_TRUE(rig.sim.control("talk"));
    rig.live.resend();
    ASSERT_TRUE(rig.waitFor(LiveState::InSync));
    EXPECT_EQ(rig.sim.openedConnections(), 1);
}

INSTANTIATE_TEST_SUITE_P(Links, LiveSessionTest,
                         ::testing::Values(ZelSimProcess::Link::Tcp, ZelSimProcess::Link::Pty),
                         test::linkName);

} // namespace
} // namespace zel::session
