// Undo and redo over every kind of edit the pages make, and the copies of the Edit menu: each
// step named, taken back and done again across page switches, the model and the page in
// agreement after each.
#include "scripted_prompts.h"

#include "ui/audio/eq_band_panel.h"
#include "ui/audio/quick_eq_library.h"
#include "ui/audio/quick_eq_panel.h"
#include "ui/grids/grid_test_support.h"
#include "ui/grids/name_grid.h"
#include "ui/pages/favorites_page.h"
#include "ui/pages/groups_page.h"
#include "ui/pages/naming_page.h"
#include "ui/pages/network_page.h"
#include "ui/pages/presets_page.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <functional>

namespace zel::ui {
namespace {

class UndoWindowTest : public testing::Test {
protected:
    UndoWindowTest()
    {
        auto scripted = std::make_unique<zel::test::ScriptedPrompts>();
        prompts = scripted.get();
        prompts->confirmAnswer = true; // each case starts on a new configuration
        window.setPrompts(std::move(scripted));
        QFile rock(folder.filePath(QStringLiteral("Rock.eq")));
        rock.open(QIODevice::WriteOnly);
        rock.write("-3\r\n-2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n3\r\n");
        rock.close();
        window.quickEqLibrary().setFolders({folder.path(), folder.path(), {}, false});
        window.show();
    }
    template <typename T> T* child(QWidget* page, const char* name)
    {
        return page->findChild<T*>(QLatin1String(name));
    }
    // Typing as the keyboard does: into `widget`, then into the editor it may have opened.
    static void type(QWidget* widget, const char* first, const char* rest = "")
    {
        widget->setFocus();
        QTest::keyClicks(widget, QLatin1String(first));
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(rest));
    }
    // What the model holds, then what the page shows.
    template <typename... Values> static QString state(const Values&... values)
    {
        QString text;
        ((text += QStringLiteral("%1 | ").arg(values)), ...);
        return text;
    }
    static QString bands(const auto& levels)
    {
        return state(levels[0], levels[1], levels[5], levels[9]);
    }
    EditorPageSet& pages() { return window.pageSet(); }

    QTemporaryDir folder;
    MainWindow window;
    zel::test::ScriptedPrompts* prompts = nullptr;
};

TEST_F(UndoWindowTest, EveryEditIsAStepUndoneAndRedoneAcrossPages)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ZoneAudioPage* zone = pages().zoneAudioPage();
    PresetsPage* preset = pages().presetsPage();
    NetworkPage* network = pages().networkPage();
    auto* volume = child<QSlider>(zone, "volumeSlider");
    auto* mode = child<QComboBox>(zone, "dspModeBox");
    auto* frontPanel = child<QCheckBox>(network, "FPCheckbox");
    auto* address = child<QLineEdit>(network, "IPAddress");
    NameGrid* zoneNames = pages().namingPage()->grid(NameList::Zones);
    const model::ConfigModel& m = window.model();
    const auto copy = [&](QAction* command, QList<int> ticked) {
        prompts->tickAnswer = ticked;
        command->trigger();
    };
    // The page shows record `n` of its kind (showing another one first, when the step did).
    const auto showZone = [&](int n) { zone->showRecord(model::DiffSubject::ZoneAudio, n); };
    const auto showPreset = [&](int n) { preset->showRecord(model::DiffSubject::Preset, n); };

    struct Case {
        const char* what;
        int page;
        std::function<void()> edit;
        QString step; // as the Edit menu names it
        std::function<QString()> state;
        std::function<void()> prepare = {}; // steps of their own before the one under test
    };
    const Case cases[] = {
        {"a name typed", MainWindow::kNamingPage,
         [&] {
             zoneNames->setCurrentIndex(zoneNames->model()->index(2, 1));
             type(zoneNames, "a", "b\r"); // the first key opens the cell's editor
         },
         "Zone 3 Name",
         [&] {
             return state(m.zoneName(3).c_str(), pages().favoritesPage()->matrix()->cellText(0, 3));
         }},
        {"a slider from the keyboard", MainWindow::kZoneAudioPage,
         [&] { QTest::keyClick(volume, Qt::Key_Right); }, "Zone 1 Volume",
         [&] { return state(m.zoneAudio(1).volume, volume->value()); }},
        {"a slider drag", MainWindow::kZoneAudioPage,
         [&] {
             volume->setSliderDown(true);
             for (int value : {-20, -30, -40})
                 volume->setValue(value);
             volume->setSliderDown(false);
         },
         "Zone 1 Volume", [&] { return state(m.zoneAudio(1).volume, volume->value()); }},
        {"a mode", MainWindow::kZoneAudioPage, [&] { QTest::keyClick(mode, Qt::Key_Down); },
         "Zone 1 DSP Mode",
         [&] { return state(m.zoneAudio(1).eqMode, zone->bandPanel()->slider(1)->isEnabled()); }},
        {"the volume lock", MainWindow::kZoneAudioPage,
         [&] { QTest::mouseClick(child<QCheckBox>(zone, "VolumeLocked"), Qt::LeftButton); },
         "Zone 1 Volume Lock",
         [&] {
             return state(m.zoneAudio(1).volumeLocked, m.zoneAudio(1).volume, volume->isEnabled(),
                          volume->value());
         }},
        {"a preset band", MainWindow::kPresetsPage,
         [&] { QTest::keyClick(preset->bandPanel()->slider(6), Qt::Key_Up); }, "Preset 1 Band 1KHz",
         [&] { return state(m.preset(1).band(6), preset->bandPanel()->level(6)); }},
        {"a preset name", MainWindow::kPresetsPage,
         [&] { type(child<QLineEdit>(preset, "presetName"), "xy"); }, "Preset 1 Name",
         [&] {
             return state(m.preset(1).name.c_str(),
                          zone->findChild<QComboBox*>("zelEqPresetBox")->itemText(0));
         }},
        {"a quick EQ preset applied", MainWindow::kPresetsPage,
         [&] { QTest::keyClick(preset->quickEqPanel()->box(), Qt::Key_Down); },
         "Preset 1 Quick EQ Rock",
         [&] { return state(bands(m.preset(1).bands), bands(preset->bandPanel()->levels())); }},
        {"a favorites cell", MainWindow::kFavoritesPage,
         [&] { test::doubleClickCell(*pages().favoritesPage()->matrix(), 2, 3); },
         "Favorite 1 Zone 3 Source 2",
         [&] {
             return state(m.connection(1, 2, 3).c_str(),
                          pages().favoritesPage()->matrix()->cellText(2, 3));
         }},
        {"a groups cell", MainWindow::kGroupsPage,
         [&] { test::doubleClickCell(*pages().groupsPage()->matrix(), 4, 2); }, "Group 4 Zone 2",
         [&] {
             return state(m.groupMark(4, 2).c_str(),
                          pages().groupsPage()->matrix()->cellText(4, 2));
         }},
        {"a check box", MainWindow::kNetworkPage,
         [&] { QTest::mouseClick(frontPanel, Qt::LeftButton); }, "Front Panel Lock",
         [&] { return state(m.frontPanelLocked(), frontPanel->isChecked()); }},
        {"an address", MainWindow::kNetworkPage, [&] { type(address, "9"); }, "IP Address",
         [&] { return state(m.network().ipAddress.c_str(), address->text()); },
         [&] { QTest::mouseClick(child<QCheckBox>(network, "DHCPCheckbox"), Qt::LeftButton); }},
        {"zone settings copied", MainWindow::kZoneAudioPage,
         [&] {
             showZone(1); // the zone copied from
             copy(window.copyZoneSettingsAction(), {1, 3, 0});
         },
         "Copy Zone 1 Settings",
         [&] {
             showZone(2);
             return state(m.zoneAudio(2).volume, m.zoneAudio(4).volume, volume->value());
         },
         [&] { QTest::keyClick(volume, Qt::Key_PageDown); }},
        {"a preset's EQ copied to zones", MainWindow::kZoneAudioPage,
         [&] { copy(window.copyPresetEqAction(), {2}); }, "Copy Preset 1 EQ to Zones",
         [&] {
             showZone(3);
             return state(bands(m.zoneAudio(3).bands), bands(zone->bandPanel()->levels()));
         },
         [&] { QTest::keyClick(preset->bandPanel()->slider(1), Qt::Key_Up); }},
        {"a zone's EQ copied to presets", MainWindow::kPresetsPage,
         [&] { copy(window.copyZoneEqAction(), {1}); }, "Copy Zone 1 EQ to Presets",
         [&] {
             showPreset(2);
             return state(bands(m.preset(2).bands), bands(preset->bandPanel()->levels()));
         },
         [&] {
             QTest::keyClick(mode, Qt::Key_Down);
             QTest::keyClick(zone->bandPanel()->slider(10), Qt::Key_Down);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.newTemplate(model::UnitSize::Zel8);
        EXPECT_FALSE(window.undoAction()->isEnabled()) << "a new configuration, a new history";
        if (c.prepare)
            c.prepare();
        window.tabs()->setCurrentIndex(c.page);
        const QString before = c.state();
        const int steps = window.session().undoStack()->count();
        c.edit();
        const QString after = c.state();
        EXPECT_NE(after, before);
        EXPECT_EQ(window.undoAction()->text(), QStringLiteral("&Undo ") + c.step);
        EXPECT_EQ(window.session().undoStack()->count(), steps + 1) << "one step";

        // Undone and redone from another page: the step's page comes back, showing it.
        for (const auto& [key, shows] :
             {std::pair{Qt::Key_Z, before}, std::pair{Qt::Key_Y, after}}) {
            window.tabs()->setCurrentIndex(MainWindow::kConfigurationFilePage);
            QTest::keyClick(&window, key, Qt::ControlModifier);
            EXPECT_EQ(window.tabs()->currentIndex(), c.page);
            EXPECT_EQ(c.state(), shows);
        }
        EXPECT_EQ(window.redoAction()->text(), QStringLiteral("&Redo"));
    }
}

} // namespace
} // namespace zel::ui
