// An installer's whole job with the keyboard alone, against the simulated unit: back up, rename,
// set a favorite, retune one zone and copy it to four, send the changes, save the report and
// restore the backup. Every step is keys pressed where the focus is; the questions are answered
// in code (how each dialog answers to the keyboard is tested with the dialogs themselves).
#include "link_window_fixture.h"

#include "journal/journal.h"
#include "link/zelsim_process.h"
#include "ui/audio/eq_band_panel.h"
#include "ui/grids/matrix_grid.h"
#include "ui/grids/name_grid.h"
#include "ui/pages/favorites_page.h"
#include "ui/pages/naming_page.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/compare_dialog.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/history_dialog.h"
#include "ui/window/unit_comparison.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <functional>

namespace zel::test {
namespace {

// A key pressed as the user presses it: into the open menu, else where the focus is. A desktop
// makes the window active again when a menu closes; the offscreen platform leaves the closed
// menu active, so that is done here.
void press(QKeyCombination key)
{
    QWidget* active = QApplication::activeWindow();
    if (active && !active->isVisible() && active->parentWidget()) {
        QWidget* window = active->parentWidget()->window();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
    }
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "no window takes the key";
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

void presses(std::initializer_list<QKeyCombination> keys)
{
    for (const QKeyCombination key : keys)
        press(key);
}

// Each letter goes where the focus is then: the first opens the cell's editor.
void type(const QString& text)
{
    for (const QChar letter : text)
        QTest::keyClick(QApplication::focusWidget(), letter.toLatin1());
}

// Tab until `widget` has the focus; false when Tab never reaches it.
bool tabTo(QWidget* widget)
{
    for (int i = 0; i < 80 && QApplication::focusWidget() != widget; ++i)
        press(Qt::Key_Tab);
    return QApplication::focusWidget() == widget;
}

TEST(KeyboardJob, AnInstallersWholeJobWithTheKeyboardAlone)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp,
                           {"--config", ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel"}));
    LinkWindow w;
    ui::MainWindow& window = w.window;
    const model::ConfigModel& m = window.model();
    ui::EditorPageSet& pages = window.pageSet();
    auto* zoneList = window.findChild<QListWidget*>("zoneList");
    auto* dspMode = window.findChild<QComboBox*>("dspModeBox");
    QSlider* band1 = pages.zoneAudioPage()->bandPanel()->slider(1);
    const QTemporaryDir folder;
    const QString report = folder.filePath("site.html");
    w.prompts->inputAnswers = {unit.address()};
    w.prompts->confirmAnswer = true;
    w.prompts->reportAnswer = ui::ReportChoice{report, true};
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.tabs()->tabBar()->setFocus();
    const auto idle = [&] { return !w.link.isTransferRunning(); };
    const auto compareDialog = [&] { return window.comparison()->dialog(); };
    const qsizetype journaled = w.link.journal().entries().size();

    struct Step {
        const char* what;
        std::function<void()> keys;
        std::function<bool()> done;
    };
    const Step steps[] = {
        {"Ctrl+3: the unit over telnet", [] { press(Qt::CTRL | Qt::Key_3); },
         [&] { return w.link.linkMode() == link::LinkMode::Telnet; }},
        {"Alt+F, I: the backup, an import the journal keeps",
         [] {
             presses({Qt::ALT | Qt::Key_F, Qt::Key_I});
         },
         [&] {
             return idle() && m.zoneName(4) == "Room 04" &&
                    w.link.journal().entries().size() == journaled + 1;
         }},
        {"Ctrl+Tab, Tab to the zone names, zone 4 renamed",
         [&] {
             press(Qt::CTRL | Qt::Key_Tab);
             ASSERT_TRUE(tabTo(pages.namingPage()->grid(ui::NameList::Zones)));
             presses({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});
             type(QStringLiteral("Lounge"));
             press(Qt::Key_Return);
         },
         [&] {
             return m.zoneName(4) == "Lounge" &&
                    QApplication::focusWidget() == pages.namingPage()->grid(ui::NameList::Zones);
         }},
        {"to Favorites: favorite 1 plays source 3 in zone 1",
         [&] {
             presses({Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_Tab,
                      Qt::CTRL | Qt::Key_Tab});
             ASSERT_TRUE(tabTo(pages.favoritesPage()->favoriteList()));
             presses({Qt::Key_Home, Qt::Key_Tab, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
             window.commitAndRefresh(); // as the next change of page does, to read the model
         },
         [&] { return m.connection(1, 3, 1) == "A"; }},
        {"back to Zone Audio Controls: zone 4 in ZQ mode, band 1 up 3 dB",
         [&] {
             presses({Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab});
             ASSERT_TRUE(tabTo(zoneList));
             presses({Qt::Key_Home, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});
             ASSERT_TRUE(tabTo(dspMode));
             presses({Qt::Key_Home, Qt::Key_Down});
             ASSERT_TRUE(tabTo(band1));
             presses({Qt::Key_Up, Qt::Key_Up, Qt::Key_Up});
             window.commitAndRefresh(); // as the next change of page does, to read the model
         },
         [&] { return m.zoneAudio(4).eqMode == model::kEqModeZq && m.zoneAudio(4).band(1) == 3; }},
        {"Ctrl+Shift+C: zone 4's EQ alone to zones 5 to 8",
         [&] {
             w.prompts->tickAnswer = {4, 5, 6, 7};
             w.prompts->optionAnswer = {false, false, false, true};
             press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
         },
         [&] {
             return m.zoneAudio(8).bands == m.zoneAudio(4).bands &&
                    m.zoneAudio(5).eqMode == model::kEqModeZq && m.zoneAudio(5).volume == -20;
         }},
        {"Alt+F, U: compared with the unit",
         [] {
             presses({Qt::ALT | Qt::Key_F, Qt::Key_U});
         },
         [&] { return idle() && compareDialog() && compareDialog()->isActiveWindow(); }},
        {"Alt+S: the changes sent, the unit fetched again", [&] { press(Qt::ALT | Qt::Key_S); },
         [&] { return idle() && compareDialog()->heading()->text().contains("now holds"); }},
        {"Escape closes the comparison, the window has the focus again",
         [] { press(Qt::Key_Escape); }, [&] { return window.isActiveWindow(); }},
        {"Alt+F, R: the report for the client",
         [] {
             presses({Qt::ALT | Qt::Key_F, Qt::Key_R});
         },
         [&] { return QFileInfo(report).size() > 0; }},
        {"Alt+F, H: History, the backup chosen, Alt+R restores it",
         [&] {
             presses({Qt::ALT | Qt::Key_F, Qt::Key_H});
             ASSERT_TRUE(QTest::qWaitFor([&] { return window.historyDialog(); }));
             ASSERT_TRUE(QTest::qWaitFor([&] { return window.historyDialog()->isActiveWindow(); }));
             ASSERT_TRUE(tabTo(window.historyDialog()->list()));
             press(Qt::Key_End); // the oldest entry of the unit: the backup
             press(Qt::ALT | Qt::Key_R);
         },
         [&] {
             return idle() && unit.receivedCommands().contains("[NO4\"Room 04\"]") &&
                    unit.receivedCommands().lastIndexOf("[NO4\"Room 04\"]") >
                        unit.receivedCommands().lastIndexOf("[NO4\"Lounge\"]");
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.keys();
        ASSERT_TRUE(QTest::qWaitFor(step.done, 20000))
            << "focus on "
            << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                            : "nothing")
            << "; errors: " << w.prompts->errors.join('\n').toStdString();
    }
    // What was sent: the new name, the favorite and the five zones' EQ; then the backup whole.
    const QStringList received = unit.receivedCommands();
    EXPECT_TRUE(received.contains("[NO4\"Lounge\"]"));
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();
}

} // namespace
} // namespace zel::test
