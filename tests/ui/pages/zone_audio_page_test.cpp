// The "Zone Audio Controls" page: load and save of a zone, the mode and volume-lock rules, and
// the value labels.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <utility>

#include "model/config_model.h"
#include "ui/audio/eq_band_panel.h"
#include "ui/audio/quick_eq_library.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/scripted_prompts.h"

using namespace zel;

namespace {

class ZoneAudioPageTest : public testing::Test {
protected:
    ZoneAudioPageTest()
    {
        model.raiseZoneCount(8);
        for (int z = 1; z <= model::kMaxZones; ++z) {
            model.setZoneName(z, "Zone Name " + std::to_string(z));
            model.zoneAudio(z).audioKnown = z <= 8;
        }
        for (int p = 1; p <= model::kPresets; ++p)
            model.preset(p).name = "Preset Name " + std::to_string(p);
    }

    // What the main window does around a reader run.
    void readerRun()
    {
        page.resetView();
        ui::setControlsEnabled(&page, false);
        ui::setControlsEnabled(&page, true);
        page.loadFromModel();
        page.commitToModel();
        page.refreshNames();
    }

    template <typename T> T* child(const char* name)
    {
        T* widget = page.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QSlider* slider(const char* name) { return child<QSlider>(name); }
    QString label(const char* name) { return child<QLabel>(name)->text(); }
    QListWidget* zoneList() { return child<QListWidget>("zoneList"); }
    QComboBox* modeBox() { return child<QComboBox>("dspModeBox"); }
    QComboBox* presetBox() { return child<QComboBox>("zelEqPresetBox"); }
    QCheckBox* lockBox() { return child<QCheckBox>("VolumeLocked"); }
    // The page's one label that shows exactly `text`.
    QLabel* caption(const char* text)
    {
        QLabel* found = nullptr;
        for (QLabel* label : page.findChildren<QLabel*>()) {
            if (label->text() == QLatin1String(text)) {
                EXPECT_EQ(found, nullptr) << "two labels read " << text;
                found = label;
            }
        }
        EXPECT_NE(found, nullptr) << text;
        return found;
    }

    // Chooses a zone as the user does, by moving the list's selection.
    void chooseZone(int zone) { zoneList()->setCurrentRow(zone - 1); }
    // Picks a DSP mode item as the user does.
    void pickMode(int index)
    {
        modeBox()->setCurrentIndex(index);
        emit modeBox()->activated(index);
    }

    test::ScriptedPrompts prompts;
    ui::QuickEqLibrary quickEq{prompts};
    model::ConfigModel model;
    ui::ZoneAudioPage page{model, quickEq};
};

std::array<int8_t, model::kBands> bandsOf(std::initializer_list<int> values)
{
    std::array<int8_t, model::kBands> bands{};
    size_t i = 0;
    for (int v : values)
        bands.at(i++) = static_cast<int8_t>(v);
    return bands;
}

TEST_F(ZoneAudioPageTest, LoadThenSaveGivesTheRecordBackWithValuesClampedToTheControls)
{
    struct Case {
        const char* what;
        model::ZoneAudio stored;
        model::ZoneAudio expected;
    };
    auto zone = [](std::initializer_list<int> bands, int bass, int treble, int volume, int balance,
                   int mode, int preset, int lowpass, bool locked) {
        model::ZoneAudio a;
        a.audioKnown = true;
        a.bands = bandsOf(bands);
        a.bass = static_cast<int8_t>(bass);
        a.treble = static_cast<int8_t>(treble);
        a.volume = static_cast<int8_t>(volume);
        a.balance = static_cast<int8_t>(balance);
        a.eqMode = static_cast<int8_t>(mode);
        a.systemEqPreset = static_cast<int8_t>(preset);
        a.lowpass = lowpass;
        a.volumeLocked = locked;
        return a;
    };
    const Case cases[] = {
        {"zq mode in range",
         zone({1, -2, 3, -4, 5, -6, 7, -8, 9, -10}, -5, 3, -12, -25, 1, 0, 120, false),
         zone({1, -2, 3, -4, 5, -6, 7, -8, 9, -10}, -5, 3, -12, -25, 1, 0, 120, false)},
        {"disabled mode keeps every value",
         zone({10, 0, 0, 0, 0, 0, 0, 0, 0, 4}, 12, -12, -80, 80, 0, 9, 240, false),
         zone({10, 0, 0, 0, 0, 0, 0, 0, 0, 4}, 12, -12, -80, 80, 0, 9, 240, false)},
        {"preset mode", zone({}, 6, -6, -40, 40, 2, 2, 40, false),
         zone({}, 6, -6, -40, 40, 2, 2, 40, false)},
        {"tone mode", zone({}, -6, 2, 0, -80, 3, 0, 100, false),
         zone({}, -6, 2, 0, -80, 3, 0, 100, false)},
        {"lowpass mode", zone({}, 0, 0, -30, 0, 4, 0, 85, false),
         zone({}, 0, 0, -30, 0, 4, 0, 85, false)},
        {"beyond the ends",
         zone({15, -12, 127, -128, 0, 0, 0, 0, 0, 11}, -20, 40, 10, 100, 1, 0, 1000, false),
         zone({10, -10, 10, -10, 0, 0, 0, 0, 0, 10}, -12, 12, 0, 80, 1, 0, 240, false)},
        {"beyond the low ends", zone({}, 100, -100, -100, -100, 3, 0, 20, false),
         zone({}, 12, -12, -80, -80, 3, 0, 40, false)},
        {"lowpass not set", zone({}, 0, 0, -12, 0, 4, 0, -1, false),
         zone({}, 0, 0, -12, 0, 4, 0, 40, false)},
        {"no mode", zone({}, 0, 0, -12, 0, -1, 0, 50, false),
         zone({}, 0, 0, -12, 0, -1, 0, 50, false)},
        {"mode beyond the items", zone({}, 0, 0, -12, 0, 7, 0, 50, false),
         zone({}, 0, 0, -12, 0, -1, 0, 50, false)},
        {"preset beyond the names", zone({}, 0, 0, -12, 0, 2, 10, 50, false),
         zone({}, 0, 0, -12, 0, 2, -1, 50, false)},
        {"locked volume becomes 0", zone({}, 0, 0, -30, 0, 0, 0, 50, true),
         zone({}, 0, 0, 0, 0, 0, 0, 50, true)},
    };
    readerRun();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        model.zoneAudio(4) = c.stored;
        page.loadZone(4);
        model.zoneAudio(4) = {};
        model.zoneAudio(4).audioKnown = true;
        page.saveZone(4);
        const model::ZoneAudio& got = model.zoneAudio(4);
        EXPECT_EQ(got.bands, c.expected.bands);
        EXPECT_EQ(got.bass, c.expected.bass);
        EXPECT_EQ(got.treble, c.expected.treble);
        EXPECT_EQ(got.volume, c.expected.volume);
        EXPECT_EQ(got.balance, c.expected.balance);
        EXPECT_EQ(got.eqMode, c.expected.eqMode);
        EXPECT_EQ(got.systemEqPreset, c.expected.systemEqPreset);
        EXPECT_EQ(got.lowpass, c.expected.lowpass);
        EXPECT_EQ(got.volumeLocked, c.expected.volumeLocked);
        EXPECT_TRUE(got.audioKnown);
    }
}

TEST_F(ZoneAudioPageTest, SaveKeepsTheAudioKnownFlagAndShowsToneWithItsSignReversed)
{
    model.zoneAudio(1).bass = -6; // a boost of 6 dB
    model.zoneAudio(1).treble = 4;
    readerRun();
    EXPECT_EQ(slider("bassSlider")->value(), 6);
    EXPECT_EQ(label("bassValue"), "6");
    EXPECT_EQ(slider("trebleSlider")->value(), -4);
    EXPECT_EQ(label("trebleValue"), "-4");

    model.zoneAudio(9).audioKnown = false;
    page.saveZone(9);
    EXPECT_FALSE(model.zoneAudio(9).audioKnown);
    EXPECT_EQ(model.zoneAudio(9).bass, -6);
}

TEST_F(ZoneAudioPageTest, EditsReachTheZoneOnlyWhenAnotherZoneIsChosen)
{
    for (int z = 1; z <= 8; ++z)
        model.zoneAudio(z).eqMode = model::kEqModeZq;
    readerRun();
    chooseZone(3);
    EXPECT_EQ(page.currentZone(), 3);
    page.bandPanel()->slider(1)->setValue(4);
    EXPECT_EQ(page.bandPanel()->valueLabel(1)->text(), "4");
    EXPECT_EQ(model.zoneAudio(3).band(1), 0) << "moving a slider changes only its label";

    chooseZone(5);
    EXPECT_EQ(model.zoneAudio(3).band(1), 4);
    EXPECT_EQ(page.bandPanel()->level(1), 0);
    chooseZone(3);
    EXPECT_EQ(page.bandPanel()->level(1), 4);
    EXPECT_EQ(page.bandPanel()->valueLabel(1)->text(), "4");
}

TEST_F(ZoneAudioPageTest, ValueLabelsFollowTheirSliders)
{
    EXPECT_EQ(label("volumeValue"), "Volume: 0") << "before the first update";
    readerRun();
    struct Case {
        const char* slider;
        int value;
        const char* label;
        const char* text;
    };
    const Case cases[] = {
        {"volumeSlider", -12, "volumeValue", "Volume: -12db"},
        {"volumeSlider", 0, "volumeValue", "Volume: 0db"},
        {"balanceSlider", -25, "balanceValue", "Balance (L: 25db / R: 0db)"},
        {"balanceSlider", 10, "balanceValue", "Balance (L: 0db / R: 10db)"},
        {"balanceSlider", 0, "balanceValue", "Balance (L: 0db / R: 0db)"},
        {"lowpassSlider", 120, "lowpassValue", "120Hz"},
        {"bassSlider", -5, "bassValue", "-5"},
        {"trebleSlider", 7, "trebleValue", "7"},
        {"bandSlider7", -3, "bandValue7", "-3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slider + std::string(" ") + std::to_string(c.value));
        slider(c.slider)->setValue(c.value);
        EXPECT_EQ(label(c.label), c.text);
    }
}

TEST_F(ZoneAudioPageTest, ModeRuleEnablesTheGroupsOfTheModeAndShowsLowpassInPlaceOfTone)
{
    struct Case {
        int mode;
        bool audioKnown;
        bool volume, eq, preset, tone, lowpass, lowpassShown;
    };
    const Case cases[] = {
        {0, true, true, false, false, false, false, false},
        {1, true, true, true, false, false, false, false},
        {2, true, true, false, true, false, false, false},
        {3, true, true, false, false, true, false, false},
        {4, true, true, false, false, false, true, true},
        {-1, true, true, false, false, false, false, false},
        {7, true, true, false, false, false, false, false},
        {1, false, false, true, false, false, false, false},
        {3, false, false, false, false, true, false, false},
        {4, false, false, false, false, false, true, true},
    };
    readerRun();
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + (c.audioKnown ? " known" : " unknown"));
        model.zoneAudio(2).eqMode = static_cast<int8_t>(c.mode);
        model.zoneAudio(2).audioKnown = c.audioKnown;
        model.zoneAudio(2).volumeLocked = false;
        chooseZone(2);

        EXPECT_TRUE(zoneList()->isEnabled());
        for (const char* name : {"volumeSlider", "balanceSlider", "volumeValue", "balanceValue"})
            EXPECT_EQ(child<QWidget>(name)->isEnabled(), c.volume) << name;
        EXPECT_EQ(lockBox()->isEnabled(), c.volume);
        EXPECT_EQ(modeBox()->isEnabled(), c.volume);
        for (const char* name :
             {"bandSlider1", "bandSlider10", "bandValue5", "quickEqBox", "quickEqSave"})
            EXPECT_EQ(child<QWidget>(name)->isEnabled(), c.eq) << name;
        EXPECT_FALSE(child<QWidget>("quickEqDelete")->isEnabled()) << "no quick EQ file chosen";
        EXPECT_EQ(presetBox()->isEnabled(), c.preset);
        for (const char* name : {"bassSlider", "trebleSlider", "bassValue", "trebleValue"})
            EXPECT_EQ(child<QWidget>(name)->isEnabled(), c.tone) << name;
        EXPECT_EQ(slider("lowpassSlider")->isEnabled(), c.lowpass);
        EXPECT_EQ(child<QLabel>("lowpassValue")->isEnabled(), c.lowpass);
        // The static captions go with their groups; the balance centre mark belongs to none,
        // so it stays disabled whatever the mode.
        const std::pair<const char*, bool> captions[] = {
            {"Zones", true},
            {"DSP Mode", c.volume},
            {"-80db", c.volume},
            {"Left", c.volume},
            {"Right", c.volume},
            {"|", false},
            {"32", c.eq},
            {"16K", c.eq},
            {"+10db", c.eq},
            {"-10db", c.eq},
            {"PC Quick EQ Presets", c.eq},
            {"ZEL EQ Preset", c.preset},
            {"Bass", c.tone},
            {"Treble", c.tone},
            {"+12db", c.tone},
            {"-12db", c.tone},
            {"Lowpass Filter", c.lowpass},
            {"240Hz", c.lowpass},
        };
        for (const auto& [text, enabled] : captions) {
            const QLabel* label = caption(text);
            ASSERT_NE(label, nullptr) << text;
            EXPECT_EQ(label->isEnabled(), enabled) << text;
        }
        EXPECT_EQ(slider("lowpassSlider")->isVisibleTo(&page), c.lowpassShown);
        EXPECT_EQ(slider("bassSlider")->isVisibleTo(&page), !c.lowpassShown);
        EXPECT_EQ(slider("trebleSlider")->isVisibleTo(&page), !c.lowpassShown);
        chooseZone(1);
    }
}

TEST_F(ZoneAudioPageTest, PickingAModeRunsTheModeRuleAndIsStoredOnSave)
{
    readerRun();
    chooseZone(2);
    pickMode(model::kEqModeLowpass);
    EXPECT_TRUE(slider("lowpassSlider")->isVisibleTo(&page));
    EXPECT_FALSE(slider("bassSlider")->isVisibleTo(&page));
    pickMode(model::kEqModeTone);
    EXPECT_FALSE(slider("lowpassSlider")->isVisibleTo(&page));
    EXPECT_TRUE(slider("bassSlider")->isEnabled());

    pickMode(model::kEqModePreset);
    ASSERT_TRUE(presetBox()->isEnabled());
    presetBox()->setCurrentIndex(2); // the third preset name
    chooseZone(1);
    EXPECT_EQ(model.zoneAudio(2).eqMode, model::kEqModePreset);
    EXPECT_EQ(model.zoneAudio(2).systemEqPreset, 2);
}

TEST_F(ZoneAudioPageTest, VolumeLockSetsZeroAndDisablesTheVolumeUntilUnlocked)
{
    model.zoneAudio(1).volume = -30;
    readerRun();
    ASSERT_EQ(slider("volumeSlider")->value(), -30);
    QTest::mouseClick(lockBox(), Qt::LeftButton);
    ASSERT_TRUE(lockBox()->isChecked());
    EXPECT_EQ(slider("volumeSlider")->value(), 0);
    EXPECT_EQ(label("volumeValue"), "Volume: 0db");
    EXPECT_FALSE(slider("volumeSlider")->isEnabled());
    EXPECT_FALSE(child<QLabel>("volumeValue")->isEnabled());

    pickMode(model::kEqModeTone);
    EXPECT_FALSE(slider("volumeSlider")->isEnabled()) << "the mode rule keeps the lock";

    QTest::mouseClick(lockBox(), Qt::LeftButton);
    EXPECT_TRUE(slider("volumeSlider")->isEnabled());
    EXPECT_EQ(slider("volumeSlider")->value(), 0) << "unlocking does not bring the volume back";

    QTest::mouseClick(lockBox(), Qt::LeftButton);
    page.commitToModel();
    EXPECT_TRUE(model.zoneAudio(1).volumeLocked);
    EXPECT_EQ(model.zoneAudio(1).volume, 0);
}

TEST_F(ZoneAudioPageTest, ZoneWithoutAudioLinesKeepsItsVolumeControlsDisabled)
{
    model.zoneAudio(1).audioKnown = false;
    readerRun();
    for (const char* name : {"volumeSlider", "balanceSlider", "VolumeLocked", "dspModeBox"})
        EXPECT_FALSE(child<QWidget>(name)->isEnabled()) << name;
}

TEST_F(ZoneAudioPageTest, ZoneListFollowsTheZoneNamesAndKeepsItsSelection)
{
    readerRun();
    ASSERT_EQ(zoneList()->count(), 8);
    EXPECT_EQ(zoneList()->item(0)->text(), "Zone Name 1");
    chooseZone(6);
    model.setZoneName(6, "Kitchen\xE9");
    model.raiseZoneCount(10);
    page.refreshNames();
    ASSERT_EQ(zoneList()->count(), 10);
    EXPECT_EQ(zoneList()->currentRow(), 5);
    EXPECT_EQ(zoneList()->item(5)->text(), QString::fromLatin1("Kitchen\xE9"));
    EXPECT_EQ(page.currentZone(), 6) << "refreshing the names chooses no zone";

    page.resetView();
    ASSERT_EQ(zoneList()->count(), 16);
    EXPECT_EQ(zoneList()->item(15)->text(), " Zone 16");
    EXPECT_EQ(zoneList()->currentRow(), 0);
    model.clearCounts();
    page.refreshNames();
    EXPECT_EQ(zoneList()->count(), 0);
}

TEST_F(ZoneAudioPageTest, FirstReadKeepsZoneOnesSystemPresetAndRefillsKeepTheChoice)
{
    model.zoneAudio(1).eqMode = model::kEqModePreset;
    model.zoneAudio(1).systemEqPreset = 3;
    readerRun();
    EXPECT_EQ(presetBox()->currentIndex(), 3);
    EXPECT_EQ(model.zoneAudio(1).systemEqPreset, 3);

    model.preset(4).name = "Loud";
    page.refreshNames();
    EXPECT_EQ(presetBox()->currentIndex(), 3);
    EXPECT_EQ(presetBox()->itemText(3), "Loud");
}

} // namespace
