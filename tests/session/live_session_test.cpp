// Live mode against zelsim over loopback TCP and a pseudo-terminal: what reaches the unit, what
// the state says when the unit refuses, falls silent, goes away or comes back changed, and the
// journal's two entries.
#include "link/link_fixture.h"
#include "manual_clock.h"

#include "journal/journal.h"
#include "link/import_transfer.h"
#include "model/config_writer.h"
#include "session/configuration_session.h"
#include "session/live_session.h"

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

    void goLive(const QStringList& faults = {}, bool unitKnown = true)
    {
        test::startSimulatedUnit(m_link, faults, sim, m_serial);
        live.start({[this]() -> std::unique_ptr<link::LinkChannel> {
                        if (m_link == ZelSimProcess::Link::Tcp)
                            return test::channelTo(m_link, sim, m_serial);
                        return std::make_unique<link::SerialChannel>(
                            m_serial, link::SerialChannel::OnClosedPort::Reopen);
                    },
                    QStringLiteral("test unit"), test::quickSettings()},
                   unitKnown);
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
    rig.live.stop(LiveSession::Ending::Finish);
    ASSERT_TRUE(rig.ended && rig.ended->began);
    EXPECT_TRUE(rig.ended->unitHoldsEdited);
    ASSERT_EQ(rig.journal.entries().size(), 2);
    EXPECT_EQ(rig.journal.entries().first().direction, journal::Direction::ToUnit);
    EXPECT_TRUE(rig.newestEntry().contains("[VO1R-20]"));
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
    rig.live.stop(LiveSession::Ending::Finish);
    ASSERT_TRUE(rig.ended);
    EXPECT_EQ(rig.ended->notSent, 1);
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
    struct Case {
        const char* what;
        bool atStart;
        LiveSession::Side side;
        QList<QByteArray> unitDoes = {}; // once live and in sync
    };
    const Case cases[] = {
        {"at the start, edited values sent", true, LiveSession::Side::SendEdited},
        {"at the start, the unit's taken", true, LiveSession::Side::TakeUnits},
        // Forgets what it was sent, and the link with it.
        {"after the unit was switched off and on",
         false,
         LiveSession::Side::TakeUnits,
         {"restart"}},
        {"after a change at the unit's keypad and a dropped link",
         false,
         LiveSession::Side::SendEdited,
         {"keypad [VO4R-10]", "drop"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A pseudo-terminal does not come back: a new one has another path.
        if (!isTcp() && !c.atStart)
            continue;
        LiveRig rig(GetParam());
        QSignalSpy differs(&rig.live, &LiveSession::unitDiffers);
        if (c.atStart)
            rig.config.model().setZoneName(4, "Edited");
        rig.goLive({"--control"}, !c.atStart);
        if (!c.atStart) {
            ASSERT_TRUE(rig.waitFor(LiveState::InSync));
            rig.setVolume(4, -25);
            ASSERT_TRUE(rig.waitFor(LiveState::InSync));
            for (const QByteArray& command : c.unitDoes)
                ASSERT_TRUE(rig.sim.control(command));
        }
        ASSERT_TRUE(differs.wait(15000));
        EXPECT_EQ(differs.first().first().toBool(), c.atStart);
        EXPECT_EQ(rig.live.status().state, LiveState::UnitDiffers);
        rig.live.resolve(c.side);
        ASSERT_TRUE(rig.waitFor(LiveState::InSync));
        rig.live.stop(LiveSession::Ending::Finish);
        EXPECT_TRUE(model::compareConfigurations(rig.unitNow(), rig.config.model()).empty());
        EXPECT_EQ(rig.config.model().zoneName(4) == "Edited",
                  c.atStart && c.side == LiveSession::Side::SendEdited);
        EXPECT_EQ(rig.journal.entries().size(), 2);
        if (!c.atStart) {
            // Live, once more when back, the check: never a second session beside the first.
            EXPECT_TRUE(QTest::qWaitFor([&] { return rig.sim.openedConnections() >= 3; }, 5000));
            EXPECT_EQ(rig.sim.openedConnections(), 3);
            EXPECT_EQ(rig.config.model().zoneAudio(4).volume,
                      c.side == LiveSession::Side::SendEdited ? -25 : -12);
        }
    }
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
