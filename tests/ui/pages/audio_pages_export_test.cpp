// Edits on the zone audio, presets and network pages reach the exported configuration text.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/templates.h"
#include "ui/audio/eq_band_panel.h"
#include "ui/audio/quick_eq_library.h"
#include "ui/pages/network_page.h"
#include "ui/pages/presets_page.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/scripted_prompts.h"

using namespace zel;

namespace {

class AudioPagesExportTest : public testing::Test {
protected:
    AudioPagesExportTest()
    {
        for (ui::EditorPage* page : pages())
            QObject::connect(page, &ui::EditorPage::namesChanged, [this] { refreshNames(); });
    }

    QList<ui::EditorPage*> pages() { return {&zones, &presets, &network}; }
    void refreshNames()
    {
        for (ui::EditorPage* page : pages())
            page->refreshNames();
    }
    // The main window's steps: reset, reader run over a template, commit and refresh.
    void loadTemplate(model::UnitSize size)
    {
        model::resetModel(model);
        for (ui::EditorPage* page : pages()) {
            page->resetView();
            ui::setControlsEnabled(page, false);
        }
        for (ui::EditorPage* page : pages())
            ui::setControlsEnabled(page, true);
        std::string text;
        for (const std::string& line : model::templateLines(size))
            text += line + "\r\n";
        model::LogLines log;
        model::readText(model, text, log);
        for (ui::EditorPage* page : pages())
            page->loadFromModel();
        exportLines();
    }
    // Commit and refresh, then the writer.
    std::vector<std::string> exportLines()
    {
        for (ui::EditorPage* page : pages())
            page->commitToModel();
        refreshNames();
        return model::writeConfiguration(model);
    }

    template <typename T> T* child(QWidget& page, const char* name)
    {
        T* widget = page.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void pickMode(int index)
    {
        auto* box = child<QComboBox>(zones, "dspModeBox");
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    test::ScriptedPrompts prompts;
    ui::QuickEqLibrary quickEq{prompts};
    model::ConfigModel model;
    ui::ZoneAudioPage zones{model, quickEq};
    ui::PresetsPage presets{model, quickEq};
    ui::NetworkPage network{model};
};

bool has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool hasPrefix(const std::vector<std::string>& lines, const std::string& prefix)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

TEST_F(AudioPagesExportTest, TemplateZoneOneComesBackThroughThePageWithLowpassAtItsLowestValue)
{
    loadTemplate(model::UnitSize::Zel8);
    EXPECT_EQ(model.zoneAudio(1).lowpass, 40);
    EXPECT_EQ(model.zoneAudio(2).lowpass, -1) << "only zone 1 passes through the page";
    const auto lines = exportLines();
    EXPECT_TRUE(has(lines, "[VO1F0]"));
    EXPECT_TRUE(has(lines, "[VO1R-12]"));
    EXPECT_TRUE(has(lines, "[EO1M0]"));
}

TEST_F(AudioPagesExportTest, VolumeLockExportsTheLockLineOnly)
{
    loadTemplate(model::UnitSize::Zel8);
    child<QListWidget>(zones, "zoneList")->setCurrentRow(3);
    QTest::mouseClick(child<QCheckBox>(zones, "VolumeLocked"), Qt::LeftButton);
    const auto lines = exportLines();
    EXPECT_TRUE(has(lines, "[VO4F1]"));
    EXPECT_FALSE(hasPrefix(lines, "[VO4R"));
    EXPECT_FALSE(has(lines, "[VO4F0]"));
}

TEST_F(AudioPagesExportTest, EditsOnEveryPageReachTheExport)
{
    loadTemplate(model::UnitSize::Zel16);

    // Zone 2: tone controls with a bass boost of 5 and a treble cut of 3.
    child<QListWidget>(zones, "zoneList")->setCurrentRow(1);
    pickMode(model::kEqModeTone);
    child<QSlider>(zones, "bassSlider")->setValue(5);
    child<QSlider>(zones, "trebleSlider")->setValue(-3);
    child<QSlider>(zones, "volumeSlider")->setValue(-30);
    child<QSlider>(zones, "balanceSlider")->setValue(-7);
    // Zone 3: its own equaliser; zone 4: lowpass; zone 5: the third device preset.
    child<QListWidget>(zones, "zoneList")->setCurrentRow(2);
    pickMode(model::kEqModeZq);
    zones.bandPanel()->setLevel(10, -4);
    child<QListWidget>(zones, "zoneList")->setCurrentRow(3);
    pickMode(model::kEqModeLowpass);
    child<QSlider>(zones, "lowpassSlider")->setValue(150);
    child<QListWidget>(zones, "zoneList")->setCurrentRow(4);
    pickMode(model::kEqModePreset);
    child<QComboBox>(zones, "zelEqPresetBox")->setCurrentIndex(2);

    // Preset 3 renamed and reshaped.
    child<QListWidget>(presets, "presetList")->setCurrentRow(2);
    child<QLineEdit>(presets, "presetName")->setText("Jazz");
    presets.bandPanel()->setLevel(1, 6);

    // Network: fixed address, brightness and lockouts.
    QTest::mouseClick(child<QCheckBox>(network, "DHCPCheckbox"), Qt::LeftButton);
    child<QLineEdit>(network, "IPAddress")->clear();
    QTest::keyClicks(child<QLineEdit>(network, "IPAddress"), "10.1.2.3");
    child<QSlider>(network, "Display")->setValue(2);
    QTest::mouseClick(child<QCheckBox>(network, "IRCheckBox"), Qt::LeftButton);

    const auto lines = exportLines();
    for (const char* line :
         {"[EO2M3]", "[TO2B5T-3]", "[VO2R-30]", "[BO2L7]", "[EO3M1]", "[EO3B10L-4]", "[EO4M4]",
          "[EO4LP150]", "[EO5M2]", "[EO5P2]", "[NEP3\"Jazz\"]", "[EP3B1L6]", "[DHCP0]",
          "[IP10.1.2.3]", "[SD2]", "[IRL1]", "[FPL0]"})
        EXPECT_TRUE(has(lines, line)) << line;
    EXPECT_EQ(child<QComboBox>(zones, "zelEqPresetBox")->itemText(2), "Jazz");
}

} // namespace
