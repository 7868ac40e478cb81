// What changed, in plain words with names: one row per kind of change, each giving every sentence
// the change makes, so that a sentence missing, wrong or added is caught.

#include "link/filled_configuration.h"
#include "link/qt_printing.h"

#include "model/config_model.h"
#include "model/templates.h"
#include "report/change_words.h"

#include <gtest/gtest.h>

#include <functional>

namespace zel::report {
namespace {

using model::ConfigModel;

// The filled ZEL-16 with a few names a client would give: zone 1 "Room 01", zone 4 "Terrace",
// zone 7 "Kitchen", source 3 "Streamer", favorite 1 "Morning", group 2 "Upstairs", preset 2 "Rock".
ConfigModel named()
{
    ConfigModel config = test::filledZel16();
    config.setZoneName(1, "Room 01");
    config.setZoneName(4, "Terrace");
    config.setZoneName(7, "Kitchen");
    config.setSourceName(2, "Tuner");
    config.setSourceName(3, "Streamer");
    config.setFavoriteName(1, "Morning");
    config.setGroupName(2, "Upstairs");
    config.preset(2).name = "Rock";
    return config;
}

TEST(ChangeWords, SayWhatChangedInPlainWordsWithNames)
{
    using Edit = std::function<void(ConfigModel & before, ConfigModel & after)>;
    struct Case {
        const char* what;
        Edit edit;
        QStringList sentences;
    };
    const Case cases[] = {
        {"nothing", [](ConfigModel&, ConfigModel&) {}, {}},
        {"a zone renamed",
         [](ConfigModel&, ConfigModel& after) { after.setZoneName(4, "Lounge"); },
         {"Zone 4 Terrace renamed Lounge"}},
        {"a name given and one cleared",
         [](ConfigModel& before, ConfigModel& after) {
             before.setSourceName(5, "");
             after.setGroupName(2, "");
         },
         {"Source 5 named Input 5", "Group 2 Upstairs: name cleared"}},
        {"a favorite plays another source",
         [](ConfigModel& before, ConfigModel&) { // zone 1 plays source 3 in favorite 1
             before.setConnection(1, 3, 1, "");
             before.setConnection(1, 2, 1, "A");
         },
         {"Favorite 1 Morning: Zone 1 Room 01 now plays Source 3 Streamer (was Source 2 Tuner)"}},
        {"a favorite's zones added and dropped",
         [](ConfigModel&, ConfigModel& after) {
             after.setConnection(1, 2, 1, "A");
             after.setConnection(1, 6, 4, "");
         },
         {"Favorite 1 Morning: Zone 1 Room 01 now plays Source 2 Tuner; Zone 4 Terrace no longer "
          "plays Source 6 Input 6"}},
        {"an EQ band",
         [](ConfigModel& before, ConfigModel& after) {
             before.zoneAudio(7).setBand(3, 0);
             after.zoneAudio(7).setBand(3, 2);
             after.zoneAudio(7).setBand(6, -3);
         },
         {"Zone 7 Kitchen EQ: 125 Hz +2 dB (was 0 dB), 1 kHz -3 dB (was -10 dB)"}},
        {"volume, lock and balance",
         [](ConfigModel&, ConfigModel& after) {
             after.zoneAudio(3).volume = -30;
             after.zoneAudio(4).volumeLocked = true;
             after.zoneAudio(7).balance = 0;
         },
         {"Zone 3 Room 3 east volume -30 dB (was -9 dB)", "Zone 4 Terrace volume locked",
          "Zone 7 Kitchen balance centre (was left 7 dB)"}},
        {"a zone unlocked",
         [](ConfigModel& before, ConfigModel&) { before.zoneAudio(4).volumeLocked = true; },
         {"Zone 4 Terrace volume unlocked", "Zone 4 Terrace volume -12 dB"}},
        {"EQ modes",
         [](ConfigModel& before, ConfigModel& after) {
             after.zoneAudio(2).eqMode = model::kEqModePreset;
             after.zoneAudio(2).systemEqPreset = 1;
             after.zoneAudio(3).eqMode = model::kEqModeTone;
             after.zoneAudio(3).bass = -6;
             for (int z : {5, 6}) {
                 before.zoneAudio(z).eqMode = after.zoneAudio(z).eqMode = model::kEqModeLowpass;
                 before.zoneAudio(z).lowpass = 80;
             }
             after.zoneAudio(5).lowpass = 120;
             after.zoneAudio(6).lowpass = -1;
         },
         {"Zone 2 Room 2 east EQ mode Preset Mode (was ZQ Mode)",
          "Zone 2 Room 2 east EQ preset Preset 2 Rock",
          "Zone 3 Room 3 east EQ mode Tone Controls (was ZQ Mode)", "Zone 3 Room 3 east bass +6 dB",
          "Zone 3 Room 3 east treble 0 dB", "Zone 5 Room 5 east lowpass 120 Hz (was 80 Hz)"}},
        {"tone changed",
         [](ConfigModel& before, ConfigModel& after) {
             before.zoneAudio(8).eqMode = after.zoneAudio(8).eqMode = model::kEqModeTone;
             after.zoneAudio(8).treble = 2;
         },
         {"Zone 8 Room 8 east treble -2 dB (was 0 dB)"}},
        {"audio settings added and none chosen",
         [](ConfigModel& before, ConfigModel& after) {
             before.zoneAudio(9).audioKnown = false;
             after.zoneAudio(10).eqMode = model::kEqModeNone;
         },
         {"Zone 9 Room 9 east: audio settings now set",
          "Zone 10 Room 10 east EQ mode none chosen (was ZQ Mode)"}},
        {"a preset",
         [](ConfigModel&, ConfigModel& after) {
             after.preset(2).name = "Rock Live";
             after.preset(2).setBand(10, 9);
         },
         {"Preset 2 Rock renamed Rock Live", "Preset 2 Rock Live EQ: 16 kHz +9 dB (was +2 dB)"}},
        {"favorite and group names, group members",
         [](ConfigModel&, ConfigModel& after) {
             after.setFavoriteName(1, "Breakfast");
             after.setGroupMark(2, 3, "G");
             after.setGroupMark(2, 4, "G");
             after.setGroupMark(2, 1, "");
             after.setGroupMark(3, 2, "");
         },
         {"Favorite 1 Morning renamed Breakfast",
          "Group 2 Upstairs now includes Zone 3 Room 3 east and Zone 4 Terrace; no longer "
          "includes Zone 1 Room 01",
          "Group 3 Area 3 no longer includes Zone 2 Room 2 east"}},
        {"panel and network",
         [](ConfigModel&, ConfigModel& after) {
             after.setDisplayLevel(0);
             after.setFrontPanelLocked(false);
             after.setIrLockout(true);
             after.network().ipAddress = "192.0.2.41";
             after.network().gateway = "192.0.2.254";
         },
         {"Display brightness 100% (was 50%)", "Front-panel lock off (was on)",
          "IR lockout on (was off)", "IP address 192.0.2.41 (was 192.0.2.40)",
          "Gateway 192.0.2.254 (was 192.0.2.1)"}},
        {"DHCP off, its addresses given",
         [](ConfigModel& before, ConfigModel&) { before.network().dhcp = true; },
         {"DHCP off (was on)", "IP address 192.0.2.40", "Netmask 255.255.255.0",
          "Gateway 192.0.2.1"}},
        {"a bigger unit",
         [](ConfigModel& before, ConfigModel&) {
             before = test::blankZel16();
             before.clearCounts();
             before.raiseZoneCount(8);
             before.raiseSourceCount(8);
             for (int n = 1; n <= 8; ++n) {
                 before.setZoneName(n, named().zoneName(n));
                 before.setSourceName(n, named().sourceName(n));
             }
         },
         {"The unit now has 16 zones (was 8)", "The unit now has 16 sources (was 8)"}},
        {"control bytes in a name",
         [](ConfigModel&, ConfigModel& after) { after.setZoneName(4, "Pool\x01side"); },
         {"Zone 4 Terrace renamed Pool\\x01side"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigModel before = named();
        ConfigModel after = named();
        c.edit(before, after);
        const QStringList sentences = changeSentences(before, after);
        if (std::string_view(c.what) == "a bigger unit") { // the rest follows from the counts
            ASSERT_GE(sentences.size(), 2);
            EXPECT_EQ(sentences.mid(0, 2), c.sentences);
            EXPECT_FALSE(sentences.join('\n').contains("Source 9 named"))
                << sentences.join('\n').toStdString();
            continue;
        }
        EXPECT_EQ(sentences, c.sentences) << sentences.join('\n').toStdString();
    }
}

} // namespace
} // namespace zel::report
