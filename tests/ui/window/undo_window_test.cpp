// Undo and redo of every kind of edit, the Edit menu's copies included: each step named, undone
// and redone from another page, the model and the page in agreement after each.
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
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <functional>

namespace zel::ui {
namespace {

// What the model holds, then what the page shows.
QString state(const auto&... values)
{
    QString text;
    ((text += QStringLiteral("%1 | ").arg(values)), ...);
    return text;
}

QString bands(const auto& levels)
{
    return state(levels[0], levels[1], levels[5], levels[9]);
}

TEST(UndoWindow, EveryEditIsAStepUndoneAndRedoneAcrossPages)
{
    MainWindow window;
    auto scripted = std::make_unique<zel::test::ScriptedPrompts>();
    zel::test::ScriptedPrompts& prompts = *scripted;
    prompts.confirmAnswer = true; // each case starts on a new configuration
    window.setPrompts(std::move(scripted));
    const QString samples = QStringLiteral(ZEL_SOURCE_DIR "/packaging/presets");
    window.quickEqLibrary().setFolders({samples, samples, samples, false});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EditorPageSet& pages = window.pageSet();
    ZoneAudioPage* zone = pages.zoneAudioPage();
    PresetsPage* preset = pages.presetsPage();
    QWidget* network = pages.networkPage();
    auto* volume = zone->findChild<QSlider*>("volumeSlider");
    auto* mode = zone->findChild<QComboBox*>("dspModeBox");
    auto* frontPanel = network->findChild<QCheckBox*>("FPCheckbox");
    auto* address = network->findChild<QLineEdit*>("IPAddress");
    NameGrid* zoneNames = pages.namingPage()->grid(NameList::Zones);
    MatrixGrid* favorites = pages.favoritesPage()->matrix();
    MatrixGrid* groups = pages.groupsPage()->matrix();
    const model::ConfigModel& m = window.model();
    const auto copy = [&](QAction* command, QList<int> ticked) {
        prompts.tickAnswer = ticked;
        command->trigger();
    };
    // Whether the zone or preset on view shows what the model holds for it.
    const auto zoneShown = [&] {
        const model::ZoneAudio& shown = m.zoneAudio(zone->currentZone());
        return bands(zone->bandPanel()->levels()) + QString::number(volume->value()) ==
               bands(shown.bands) + QString::number(shown.volume);
    };
    const auto presetShown = [&] {
        return bands(preset->bandPanel()->levels()) ==
               bands(m.preset(preset->currentPreset()).bands);
    };

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
             QTest::keyClick(zoneNames, Qt::Key_A); // opens the cell's editor, which takes the rest
             QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("b\r"));
         },
         "Zone 3 Name", [&] { return state(m.zoneName(3).c_str(), favorites->cellText(0, 3)); }},
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
         [&] { QTest::mouseClick(zone->findChild<QCheckBox*>("VolumeLocked"), Qt::LeftButton); },
         "Zone 1 Volume Lock",
         [&] {
             return state(m.zoneAudio(1).volumeLocked, m.zoneAudio(1).volume, volume->isEnabled(),
                          volume->value());
         }},
        {"a preset band", MainWindow::kPresetsPage,
         [&] { QTest::keyClick(preset->bandPanel()->slider(6), Qt::Key_Up); }, "Preset 1 Band 1KHz",
         [&] { return state(m.preset(1).band(6), preset->bandPanel()->level(6)); }},
        {"a preset name", MainWindow::kPresetsPage,
         [&] {
             QTest::keyClicks(preset->findChild<QLineEdit*>("presetName"), QStringLiteral("xy"));
         },
         "Preset 1 Name",
         [&] {
             return state(m.preset(1).name.c_str(),
                          zone->findChild<QComboBox*>("zelEqPresetBox")->itemText(0));
         }},
        {"a quick EQ preset applied", MainWindow::kPresetsPage,
         [&] { QTest::keyClick(preset->quickEqPanel()->box(), Qt::Key_End); },
         "Preset 1 Quick EQ Speech",
         [&] { return state(bands(m.preset(1).bands), bands(preset->bandPanel()->levels())); }},
        {"a favorites cell", MainWindow::kFavoritesPage,
         [&] { test::doubleClickCell(*favorites, 2, 3); }, "Favorite 1 Zone 3 Source 2",
         [&] { return state(m.connection(1, 2, 3).c_str(), favorites->cellText(2, 3)); }},
        {"a groups cell", MainWindow::kGroupsPage, [&] { test::doubleClickCell(*groups, 4, 2); },
         "Group 4 Zone 2",
         [&] { return state(m.groupMark(4, 2).c_str(), groups->cellText(4, 2)); }},
        {"a check box", MainWindow::kNetworkPage,
         [&] { QTest::mouseClick(frontPanel, Qt::LeftButton); }, "Front Panel Lock",
         [&] { return state(m.frontPanelLocked(), frontPanel->isChecked()); }},
        {"an address", MainWindow::kNetworkPage,
         [&] { QTest::keyClicks(address, QStringLiteral("9")); }, "IP Address",
         [&] { return state(m.network().ipAddress.c_str(), address->text()); },
         [&] {
             QTest::mouseClick(network->findChild<QCheckBox*>("DHCPCheckbox"), Qt::LeftButton);
         }},
        {"zone settings copied", MainWindow::kZoneAudioPage,
         [&] {
             copy(window.copyZoneSettingsAction(), {1, 3, 0});
         },
         "Copy Zone 1 Settings",
         [&] { return state(m.zoneAudio(2).volume, m.zoneAudio(4).volume, zoneShown()); },
         [&] { QTest::keyClick(volume, Qt::Key_PageDown); }},
        {"a preset's EQ copied to zones", MainWindow::kZoneAudioPage,
         [&] { copy(window.copyPresetEqAction(), {2}); }, "Copy Preset 1 EQ to Zones",
         [&] { return state(bands(m.zoneAudio(3).bands), zoneShown()); },
         [&] { QTest::keyClick(preset->bandPanel()->slider(1), Qt::Key_Up); }},
        {"a zone's EQ copied to presets", MainWindow::kPresetsPage,
         [&] { copy(window.copyZoneEqAction(), {1}); }, "Copy Zone 1 EQ to Presets",
         [&] { return state(bands(m.preset(2).bands), presetShown()); },
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
    }
}

} // namespace
} // namespace zel::ui
