// Live mode in the window, against the simulated unit over TCP and a pseudo-terminal: the "Live"
// item of the "Unit" menu, going live (at once, after a question, or refused), the state line
// and how leaving is said.
#include "link_window_fixture.h"

#include "link/zelsim_process.h"
#include "ui/live/live_controller.h"
#include "ui/live/live_state_panel.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/editor_page_set.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

namespace zel::test {
namespace {

using Link = ZelSimProcess::Link;
using session::LiveState;

const QString kFilled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");

// Imports from the unit at `address`, goes live and waits until a read agreed; the zone audio
// page is shown, and returned. Null when live mode never came in sync.
ui::ZoneAudioPage* liveInSync(LinkWindow& w, const QString& address)
{
    ui::LiveController& live = *w.window.live();
    w.chooseTelnet(address);
    if (!w.runToEnd(w.window.importAction()))
        return nullptr;
    live.liveAction()->trigger();
    if (!QTest::qWaitFor([&] { return live.session().status().state == LiveState::InSync; }, 15000))
        return nullptr;
    ui::ZoneAudioPage* page = w.window.pageSet().zoneAudioPage();
    w.window.tabs()->setCurrentWidget(page);
    return page;
}

TEST(LiveInTheWindow, TheLiveItemFollowsTheLink)
{
    LinkWindow w;
    ui::LiveController& live = *w.window.live();
    QAction* item = live.liveAction();
    EXPECT_TRUE(w.window.menuBar()->actions().contains(live.menu()->menuAction()));
    EXPECT_EQ(live.menu()->title(), QStringLiteral("&Unit"));
    EXPECT_TRUE(live.menu()->actions().contains(item));
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked()) << "off at start";
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_FALSE(item->isEnabled()) << "File Mode has no unit";
    w.chooseTelnet(QStringLiteral("127.0.0.1:1"));
    EXPECT_TRUE(item->isEnabled());
    w.window.fileModeAction()->trigger();
    EXPECT_FALSE(item->isEnabled());
}

TEST(LiveInTheWindow, GoingLiveAgreesWithTheUnitFirst)
{
    struct Case {
        const char* what;
        Link link;
        const char* loaded; // "import", "zel8", "nothing", "exported, swapped", "imported, ..."
        ui::LiveSide answer;
        bool asked;
        bool live;
        QStringList faults = {};
        bool sameUnitAnswer = true; // to "Go live on it anyway?"
    };
    const Case cases[] = {
        {"right after a whole import: at once", Link::Tcp, "import", ui::LiveSide::Cancel, false,
         true},
        {"over serial, right after a whole import", Link::Pty, "import", ui::LiveSide::Cancel,
         false, true},
        {"a ZEL-8 template: the unit's taken", Link::Tcp, "zel8", ui::LiveSide::TakeUnits, true,
         true},
        {"a ZEL-8 template: cancelled", Link::Tcp, "zel8", ui::LiveSide::Cancel, true, false},
        // The unit is read whatever the window remembers of it.
        {"exported, then another unit at the address: asked", Link::Tcp, "exported, swapped",
         ui::LiveSide::Cancel, true, false},
        // Which unit it is comes from the read alone, never from what the window fetched before.
        {"imported, then another unit: it is named after the read, and declined",
         Link::Tcp,
         "imported, swapped",
         ui::LiveSide::SendEdited,
         false,
         false,
         {},
         false},
        {"imported, then another unit: agreed to, which side wins comes next", Link::Tcp,
         "imported, swapped", ui::LiveSide::Cancel, true, false},
        {"nothing loaded: refused", Link::Tcp, "nothing", ui::LiveSide::Cancel, false, false},
        {"an import cut short: refused",
         Link::Tcp,
         "import",
         ui::LiveSide::Cancel,
         false,
         false,
         {"--close-after", "100"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(c.link, c.faults)) << unit.error().toStdString();
        LinkWindow w;
        ui::LiveController& live = *w.window.live();
        if (c.link == Link::Tcp)
            w.chooseTelnet(unit.address());
        else
            w.chooseSerial(unit.address());
        const QLatin1String loaded(c.loaded);
        const bool swapped = loaded.endsWith(QLatin1String("swapped"));
        ZelSimProcess other;
        if (loaded == "import" || swapped)
            ASSERT_TRUE(w.runToEnd(w.window.importAction()));
        else if (loaded == "zel8")
            w.window.newZel8Action()->trigger();
        if (loaded == "exported, swapped") {
            w.prompts->confirmAnswer = true; // the identity question, as asked before
            ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
        }
        w.prompts->confirmAnswer = c.sameUnitAnswer;
        if (swapped) {
            unit.kill();
            ASSERT_TRUE(other.start(c.link, {"--config", kFilled}, unit.address()));
        }
        w.prompts->liveSideAnswer = c.answer;
        const qsizetype entries = w.link.journal().entries().size();
        QWidget* shown = w.window.pageSet().zoneAudioPage();
        w.window.tabs()->setCurrentWidget(shown);
        live.liveAction()->trigger();
        const QLabel* state = live.statePanel()->stateLabel();
        if (c.live) {
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return live.session().status().state == LiveState::InSync; }, 15000));
            EXPECT_TRUE(state->text().startsWith(QStringLiteral("Live: in sync with ")));
            EXPECT_EQ(state->accessibleName(), state->text()) << "what a screen reader reads";
            EXPECT_FALSE(w.window.importAction()->isEnabled());
            EXPECT_FALSE(w.window.exportAction()->isEnabled());
            EXPECT_EQ(w.window.model().zoneCount(), 16);
            EXPECT_EQ(w.window.tabs()->currentWidget(), shown) << "the page shown stays";
            live.liveAction()->trigger(); // leave: the unit is read back first
            ASSERT_TRUE(QTest::qWaitFor([&] { return !live.isLive(); }, 15000));
            EXPECT_TRUE(w.window.statusText().endsWith("read back, holds the configuration "
                                                       "being edited"));
            ASSERT_TRUE(w.journalSettled()); // live mode's entries are written off its thread
            EXPECT_EQ(w.link.journal().entries().size(), entries + 3) << "found, sent, read back";
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !live.isLive(); }, 15000));
            EXPECT_EQ(w.prompts->errors.size(), c.asked || swapped ? 0 : 1) << "refused, and why";
            // The read is kept whatever the answers; nothing went to the unit.
            ASSERT_TRUE(w.journalSettled());
            EXPECT_EQ(w.link.journal().entries().size(), entries + (c.asked || swapped ? 1 : 0));
            QStringList sent = other.receivedCommands();
            sent.removeAll("[]");
            sent.removeAll("[QXSB]");
            EXPECT_TRUE(sent.isEmpty()) << sent.join(' ').toStdString();
        }
        const QStringList sameUnit = w.prompts->confirmations.filter("Go live on it anyway?");
        ASSERT_EQ(sameUnit.size(), swapped ? 1 : 0);
        EXPECT_TRUE(!swapped || sameUnit[0].contains("zone 1 \"Room 01\"")) << "both named";
        EXPECT_FALSE(live.liveAction()->isChecked());
        EXPECT_FALSE(state->isVisibleTo(&w.window)) << "the state line goes with live mode";
        ASSERT_EQ(w.prompts->liveSideQuestions.size(), c.asked ? 1 : 0);
        EXPECT_TRUE(!c.asked || w.prompts->liveSideQuestions[0].startsWith("The unit's configur"));
        EXPECT_EQ(w.prompts->liveSideCouldSend, swapped && c.asked) << "not a ZEL-8";
    }
}

TEST(LiveInTheWindow, ASliderLetGoSendsItsValueAndTheStateLineSaysSo)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(Link::Tcp, {"--error-on", "VO2R"})) << unit.error().toStdString();
    LinkWindow w;
    ui::LiveController& live = *w.window.live();
    ui::ZoneAudioPage* page = liveInSync(w, unit.address());
    ASSERT_NE(page, nullptr);
    auto* volume = page->findChild<QSlider*>(QStringLiteral("volumeSlider"));
    volume->setSliderDown(true);
    volume->setValue(volume->value() - 3);
    volume->setSliderDown(false); // let go: sent at once, not after the settle time
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return unit.receivedCommands().contains(QStringLiteral("[VO1R-15]")); }, 10000));
    page->showRecord(model::DiffSubject::ZoneAudio, 2); // zone 2's volume the unit refuses
    volume->setValue(volume->value() - 1);
    const QLabel* state = live.statePanel()->stateLabel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return state->text() == "Live: not applied (1)"; }, 15000));
    EXPECT_TRUE(live.statePanel()->isVisibleTo(&w.window));
    EXPECT_TRUE(live.resendAction()->isEnabled());
    w.prompts->confirmAnswer = true;
    EXPECT_FALSE(w.window.close()) << "asked, then the unit is read back";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !live.isLive(); }, 15000));
    ASSERT_EQ(w.prompts->errors.size(), 1);
    EXPECT_TRUE(w.prompts->errors.first().contains(QStringLiteral("1 change did not reach")));
    EXPECT_TRUE(w.window.statusText().contains(QStringLiteral("1 change not applied")));
}

TEST(LiveInTheWindow, LeavingWithABlockOnItsWaySendsOrCancelsItAndSaysWhich)
{
    enum class Leave { Uncheck, Close, OtherLink };
    struct Case {
        const char* what;
        Leave how;
        const char* said;
    };
    const Case cases[] = {
        {"Live unchecked: sent first", Leave::Uncheck, " Live mode ended after sending 1 change"},
        {"window closed: sent, then closed", Leave::Close, " Live mode ended after sending 1 "},
        {"another link chosen: cancelled", Leave::OtherLink,
         " Live mode ended; 1 change pending "
         "cancelled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(Link::Tcp, {"--reply-delay", "300"})) << unit.error().toStdString();
        LinkWindow w;
        w.window.show();
        ui::LiveController& live = *w.window.live();
        w.chooseTelnet(unit.address());
        ASSERT_TRUE(w.runToEnd(w.window.importAction(), std::chrono::seconds(60)));
        live.liveAction()->trigger();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return live.session().status().state == LiveState::InSync; }, 15000));
        auto* volume = w.window.pageSet().zoneAudioPage()->findChild<QSlider*>("volumeSlider");
        volume->setSliderDown(true);
        volume->setValue(volume->value() - 5);
        volume->setSliderDown(false);
        ASSERT_TRUE(QTest::qWaitFor([&] { return live.session().status().pending == 1; }, 5000));
        if (c.how == Leave::Uncheck)
            live.liveAction()->trigger();
        else if (c.how == Leave::Close) { // asked first: declined, nothing is ended
            EXPECT_FALSE(w.window.close());
            EXPECT_TRUE(live.isLive());
            EXPECT_EQ(w.prompts->confirmations.value(0).left(16), "Live mode is on.");
            w.prompts->confirmAnswer = true;
            EXPECT_FALSE(w.window.close()) << "not before the block has gone and the read back";
        } else
            w.window.fileModeAction()->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !live.isLive(); }, 15000));
        EXPECT_TRUE(w.window.statusText().startsWith(QLatin1String(c.said)))
            << w.window.statusText().toStdString();
        // The unit read back, else the lines sent live: with the block once it was acknowledged.
        ASSERT_TRUE(w.journalSettled());
        const QByteArray left = *w.link.journal().text(w.link.journal().entries().first());
        EXPECT_EQ(left.contains("[VO1R-17]"), c.how != Leave::OtherLink);
        if (c.how == Leave::Close) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !w.window.isVisible(); }, 5000));
        }
    }
}

// By one address, by an alias of it, or by another way to the same unit.
TEST(LiveInTheWindow, OneWindowAtATimeIsLiveOnAUnit)
{
    struct Case {
        const char* what;
        Link second; // zelsim's own link, the second window's
        const char* host;
        QStringList faults = {};
    };
    const Case cases[] = {
        {"one address", Link::Tcp, "127.0.0.1"},
        {"localhost for 127.0.0.1", Link::Tcp, "localhost"},
        {"by TCP and over serial", Link::Pty, "", {"--tcp", "0", "--config", kFilled}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(c.second, c.faults)) << unit.error().toStdString();
        const QString tcp =
            c.second == Link::Tcp ? unit.address() : unit.announced("listening on ");
        LinkWindow first;
        LinkWindow second;
        first.chooseTelnet(tcp);
        if (c.second == Link::Pty)
            second.chooseSerial(unit.address());
        else
            second.chooseTelnet(c.host + tcp.mid(tcp.lastIndexOf(':')));
        for (LinkWindow* w : {&first, &second})
            ASSERT_TRUE(w->runToEnd(w->window.importAction()));
        first.window.setWindowTitle(QStringLiteral("Lobby rack[*]"));
        ui::LiveController& holder = *first.window.live();
        holder.liveAction()->trigger();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return holder.session().status().state == LiveState::InSync; }, 15000));
        ui::LiveController& refused = *second.window.live();
        refused.liveAction()->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !second.prompts->errors.isEmpty(); }, 15000));
        EXPECT_FALSE(refused.isLive() || refused.liveAction()->isChecked());
        EXPECT_TRUE(second.prompts->errors[0].contains("another window: Lobby rack (process "));
        holder.liveAction()->trigger(); // left: the unit is free again
        ASSERT_TRUE(QTest::qWaitFor([&] { return !holder.isLive(); }, 15000));
        refused.liveAction()->trigger();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return refused.session().status().state == LiveState::InSync; }, 15000));
    }
}

// A change at the unit's keypad is found by the next read while live; the following edit of
// the zone sends its own member only, never the one the keypad changed.
TEST(LiveInTheWindow, AKeypadChangeIsFoundAndNeverUndone)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(Link::Tcp, {"--control"})) << unit.error().toStdString();
    LinkWindow w;
    ui::LiveController& live = *w.window.live();
    session::LiveSettings settings = live.session().settings();
    settings.quietBeforeRead = std::chrono::milliseconds(100);
    settings.readPeriod = std::chrono::milliseconds(500);
    live.session().setSettings(settings);
    ASSERT_NE(liveInSync(w, unit.address()), nullptr);
    const QLabel* state = live.statePanel()->stateLabel();
    EXPECT_TRUE(state->text().contains(QRegularExpression(R"(, read \d+ s ago$)")))
        << state->text().toStdString();
    w.prompts->liveSideAnswer = ui::LiveSide::TakeUnits;
    ASSERT_TRUE(unit.control("keypad [VO1R-5]"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.prompts->liveSideQuestions.isEmpty(); }, 15000));
    EXPECT_TRUE(w.prompts->liveSideQuestions.first().startsWith("The unit, read again, is not"));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return live.session().status().state == LiveState::InSync; }, 15000));
    EXPECT_EQ(w.window.model().zoneAudio(1).volume, -5) << "the unit's taken";
    const qsizetype taken = unit.receivedCommands().size();
    ui::ZoneAudioPage* page = w.window.pageSet().zoneAudioPage();
    w.window.tabs()->setCurrentWidget(page);
    auto* balance = page->findChild<QSlider*>(QStringLiteral("balanceSlider"));
    balance->setValue(balance->value() + 2);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return unit.receivedCommands().mid(taken).contains(QStringLiteral("[EC]")); },
        10000));
    const QStringList sent = unit.receivedCommands().mid(taken);
    EXPECT_TRUE(sent.filter(QStringLiteral("[VO1")).isEmpty()) << sent.join(' ').toStdString();
    EXPECT_EQ(sent.filter(QStringLiteral("[BO1")).size(), 1) << sent.join(' ').toStdString();
}

// Modes stepped through by the arrow keys pass by: only the one the box rests on goes.
TEST(LiveInTheWindow, ADropDownSteppedByKeysSendsTheChoiceItRestsOn)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(Link::Tcp)) << unit.error().toStdString();
    LinkWindow w;
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    ui::LiveController& live = *w.window.live();
    ui::ZoneAudioPage* page = liveInSync(w, unit.address());
    ASSERT_NE(page, nullptr);
    auto* mode = page->findChild<QComboBox*>(QStringLiteral("dspModeBox"));
    mode->setFocus();
    const qsizetype taken = unit.receivedCommands().size();
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(mode, Qt::Key_Down);
    page->findChild<QSlider*>(QStringLiteral("balanceSlider"))->setFocus(); // it rests
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return unit.receivedCommands().mid(taken).contains(QStringLiteral("[EC]")); },
        10000));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return live.session().status().state == LiveState::InSync; }, 15000));
    const QStringList modes = unit.receivedCommands().mid(taken).filter(QStringLiteral("[EO1M"));
    EXPECT_EQ(modes, QStringList{QStringLiteral("[EO1M3]")}) << modes.join(' ').toStdString();
}

} // namespace
} // namespace zel::test
