// The "ZEL EQ Presets" page: load and save of a preset, renaming and the two name lists.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include "model/config_model.h"
#include "ui/audio/eq_band_panel.h"
#include "ui/audio/quick_eq_library.h"
#include "ui/pages/presets_page.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/scripted_prompts.h"

using namespace zel;

namespace {

class PresetsPageTest : public testing::Test {
protected:
    PresetsPageTest()
    {
        model.raiseZoneCount(8);
        for (int z = 1; z <= 8; ++z)
            model.zoneAudio(z).audioKnown = true;
        for (int p = 1; p <= model::kPresets; ++p)
            model.preset(p).name = "Preset Name " + std::to_string(p);
        // The main window's answer to a changed name.
        QObject::connect(&presets, &ui::EditorPage::namesChanged, [this] {
            zones.refreshNames();
            presets.refreshNames();
        });
    }

    void readerRun()
    {
        for (ui::EditorPage* page :
             {static_cast<ui::EditorPage*>(&zones), static_cast<ui::EditorPage*>(&presets)}) {
            page->resetView();
            ui::setControlsEnabled(page, true);
        }
        zones.loadFromModel();
        presets.loadFromModel();
        zones.commitToModel();
        presets.commitToModel();
        zones.refreshNames();
        presets.refreshNames();
    }

    QListWidget* presetList() { return presets.findChild<QListWidget*>("presetList"); }
    QLineEdit* nameEdit() { return presets.findChild<QLineEdit*>("presetName"); }
    QComboBox* zonePresetBox() { return zones.findChild<QComboBox*>("zelEqPresetBox"); }
    void choosePreset(int preset) { presetList()->setCurrentRow(preset - 1); }

    test::ScriptedPrompts prompts;
    ui::QuickEqLibrary quickEq{prompts};
    model::ConfigModel model;
    ui::ZoneAudioPage zones{model, quickEq};
    ui::PresetsPage presets{model, quickEq};
};

TEST_F(PresetsPageTest, ReadShowsPresetOneWithNoListSelection)
{
    model.preset(1).bands = {1, 2, 3, 4, 5, -6, -7, -8, -9, -10};
    readerRun();
    EXPECT_EQ(presets.currentPreset(), 1);
    EXPECT_EQ(presetList()->currentRow(), -1);
    EXPECT_EQ(presetList()->count(), model::kPresets);
    EXPECT_EQ(presetList()->item(9)->text(), "Preset Name 10");
    EXPECT_EQ(nameEdit()->text(), "Preset Name 1");
    EXPECT_EQ(presets.bandPanel()->level(6), -6);
    EXPECT_EQ(presets.bandPanel()->valueLabel(6)->text(), "-6");
}

TEST_F(PresetsPageTest, LevelsBeyondTheSlidersAreStoredClampedAndEditsWaitForTheSave)
{
    model.preset(3).bands = {-12, 12, 127, -128, 0, 0, 0, 0, 0, 10};
    readerRun();
    choosePreset(3);
    EXPECT_EQ(presets.bandPanel()->level(1), -10);
    EXPECT_EQ(model.preset(3).band(1), -12) << "loading does not store";

    presets.bandPanel()->slider(5)->setValue(7);
    EXPECT_EQ(model.preset(3).band(5), 0) << "moving a slider changes only its label";
    choosePreset(4);
    const std::array<int8_t, model::kBands> expected = {-10, 10, 10, -10, 7, 0, 0, 0, 0, 10};
    EXPECT_EQ(model.preset(3).bands, expected);
    choosePreset(3);
    EXPECT_EQ(presets.bandPanel()->level(5), 7);
}

TEST_F(PresetsPageTest, RenameRefillsBothListsAndKeepsBothSelections)
{
    readerRun();
    zonePresetBox()->setCurrentIndex(6); // the zone page's choice
    choosePreset(2);
    QSignalSpy renamed(&presets, &ui::EditorPage::namesChanged);
    nameEdit()->setText("Jazz Club");
    choosePreset(4);

    EXPECT_EQ(renamed.count(), 1);
    EXPECT_EQ(model.preset(2).name, "Jazz Club");
    EXPECT_EQ(presetList()->item(1)->text(), "Jazz Club");
    EXPECT_EQ(zonePresetBox()->itemText(1), "Jazz Club");
    EXPECT_EQ(presetList()->currentRow(), 3);
    EXPECT_EQ(zonePresetBox()->currentIndex(), 6);
    EXPECT_EQ(nameEdit()->text(), "Preset Name 4");
}

TEST_F(PresetsPageTest, OnlyAChangedNameRebuildsTheLists)
{
    struct Case {
        const char* typed;
        int rebuilds;
    };
    const Case cases[] = {{"Preset Name 2", 0}, {"preset name 2", 1}, {"Preset Name 2 ", 1}};
    readerRun();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        model.preset(2).name = "Preset Name 2";
        choosePreset(2);
        QSignalSpy renamed(&presets, &ui::EditorPage::namesChanged);
        nameEdit()->setText(c.typed);
        presets.commitToModel();
        EXPECT_EQ(renamed.count(), c.rebuilds);
        EXPECT_EQ(model.preset(2).name, c.typed);
        EXPECT_EQ(presetList()->currentRow(), 1);
        choosePreset(1);
    }
}

TEST_F(PresetsPageTest, TypingStopsAtFifteenCharactersButALongReadNameIsKeptWhole)
{
    const std::string longName = "A Very Long Preset Name";
    model.preset(5).name = longName;
    readerRun();
    choosePreset(1);
    nameEdit()->clear();
    QTest::keyClicks(nameEdit(), "0123456789ABCDEFGH");
    EXPECT_EQ(nameEdit()->text(), "0123456789ABCDE");

    choosePreset(5);
    EXPECT_EQ(nameEdit()->text().toStdString(), longName);
    choosePreset(6);
    EXPECT_EQ(model.preset(5).name, longName);
    EXPECT_EQ(model.preset(1).name, "0123456789ABCDE");

    choosePreset(5);
    nameEdit()->setFocus();
    nameEdit()->end(false);
    QTest::keyClicks(nameEdit(), "XY");
    EXPECT_EQ(nameEdit()->text().toStdString(), longName) << "no typing beyond the read name";
    QTest::keyClick(nameEdit(), Qt::Key_Backspace);
    QTest::keyClicks(nameEdit(), "XY");
    EXPECT_EQ(nameEdit()->text().toStdString(), longName.substr(0, longName.size() - 1));
}

TEST_F(PresetsPageTest, NamesPassAsLatin1Bytes)
{
    model.preset(7).name = "Caf\xE9 \xFF";
    readerRun();
    choosePreset(7);
    EXPECT_EQ(nameEdit()->text(), QString::fromLatin1("Caf\xE9 \xFF"));
    nameEdit()->setText(QString::fromLatin1("Gr\xFC\xDF"));
    presets.commitToModel();
    EXPECT_EQ(model.preset(7).name, "Gr\xFC\xDF");
}

} // namespace
