// What changed, in plain words with names: one row per kind of change, each with the lines read
// into the configuration before and after, and every sentence the change makes, so that a
// sentence missing, wrong or added is caught.

#include "link/filled_configuration.h"
#include "link/qt_printing.h"

#include "model/config_model.h"
#include "model/config_reader.h"
#include "report/change_words.h"

#include <gtest/gtest.h>

namespace zel::report {
namespace {

using model::ConfigModel;

// The filled ZEL-16 with the names a client gives, and `lines` read into it.
ConfigModel named(const std::vector<std::string>& lines)
{
    ConfigModel config = test::filledZel16();
    model::LogLines log;
    for (const char* line :
         {"[NO1\"Room 01\"]", "[NO4\"Terrace\"]", "[NO7\"Kitchen\"]", "[NI2\"Tuner\"]",
          "[NI3\"Streamer\"]", "[NF1\"Morning\"]", "[NG2\"Upstairs\"]", "[NEP2\"Rock\"]"})
        model::readLine(config, line, log);
    for (const std::string& line : lines)
        model::readLine(config, line, log);
    return config;
}

TEST(ChangeWords, SayWhatChangedInPlainWordsWithNames)
{
    struct Case {
        std::vector<std::string> before, after; // lines read into each
        QStringList sentences;
    };
    // Zone z of the filled configuration plays source (z + f) % 16 + 1 in favorite f, is in
    // groups z % 10 + 1 and (z + 3) % 10 + 1, and has band b at (z * b) % 21 - 10.
    // clang-format off
    const Case cases[] = {
        {{}, {}, {}},
        {{}, {"[NO4\"Lounge\"]"}, {"Zone 4 Terrace renamed Lounge"}},
        {{"[NI5\" \"]"}, {"[NG2\" \"]"}, {"Source 5 named Input 5", "Group 2 Upstairs: name cleared"}},
        {{"[F1AO1I2]"}, {"[F1AO1I5]"}, // zone 1 plays source 3 besides
         {"Favorite 1 Morning: Zone 1 Room 01 now plays Source 5 Input 5 (was Source 2 Tuner)"}},
        {{"[F1AO4I9]"}, {"[F1AO1I2]"}, {"Favorite 1 Morning: Zone 1 Room 01 now plays Source 2 "
         "Tuner; Zone 4 Terrace no longer plays Source 9 Input 9"}},
        {{"[EO7B3L0]"}, {"[EO7B3L2]", "[EO7B6L-3]"},
         {"Zone 7 Kitchen EQ: 125 Hz: 0 → +2 dB, 1 kHz: -10 → -3 dB"}},
        // Only what differs: the bands left as they were, zeros among them, are not listed, nor
        // the settings a new EQ mode keeps.
        {{"[EO7B3L0]", "[EO7B4L0]"}, {"[EO7B3L4]", "[EO7B4L0]"}, {"Zone 7 Kitchen EQ: 125 Hz: 0 → +4 dB"}},
        {{"[EO7M3]"}, {}, {"Zone 7 Kitchen EQ mode ZQ Mode (was Tone Controls)"}},
        {{"[EO8M3]", "[TO8B-4T0]", "[EO8B1L5]"}, {"[EO8M3]", "[TO8B-4T0]", "[EO8B1L5]"}, {}},
        {{}, {"[VO3R-30]", "[VO4F1]", "[BO7R0]"}, {"Zone 3 Room 3 east volume -30 dB (was -9 dB)",
         "Zone 4 Terrace volume locked", "Zone 7 Kitchen balance centre (was left 7 dB)"}},
        {{"[VO4F1]"}, {}, {"Zone 4 Terrace volume unlocked", "Zone 4 Terrace volume -12 dB"}},
        {{"[EO5M4]", "[EO5LP80]", "[EO6M4]", "[EO6LP80]"}, {"[EO2M2]", "[EO2P1]", "[EO3M3]",
          "[TO3B-6T0]", "[EO5M4]", "[EO5LP120]", "[EO6M4]", "[EO6LP80]"},
         {"Zone 2 Room 2 east EQ mode Preset Mode (was ZQ Mode)",
          "Zone 2 Room 2 east EQ preset Preset 2 Rock",
          "Zone 3 Room 3 east EQ mode Tone Controls (was ZQ Mode)",
          "Zone 3 Room 3 east bass -6 dB (was 0 dB)", "Zone 5 Room 5 east lowpass 120 Hz (was 80 Hz)"}},
        {{"[EO8M3]"}, {"[EO8M3]", "[TO8B0T2]"}, {"Zone 8 Room 8 east treble +2 dB (was 0 dB)"}},
        {{}, {"[NEP2\"Rock Live\"]", "[EP2B10L9]"},
         {"Preset 2 Rock renamed Rock Live", "Preset 2 Rock Live EQ: 16 kHz: +2 → +9 dB"}},
        {{"[G2AO5]"}, {"[NF1\"Breakfast\"]", "[G2AO3]", "[G2AO4]"},
         {"Favorite 1 Morning renamed Breakfast", "Group 2 Upstairs now includes Zone 3 Room 3 "
          "east and Zone 4 Terrace; no longer includes Zone 5 Room 5 east"}},
        {{"[G4AO9]"}, {}, {"Group 4 Area 4 no longer includes Zone 9 Room 9 east"}},
        {{}, {"[SD0]", "[FPL0]", "[IRL1]", "[IP192.0.2.41]", "[GW192.0.2.254]"},
         {"Display brightness 100% (was 50%)", "Front-panel lock off (was on)",
          "IR lockout on (was off)", "IP address 192.0.2.41 (was 192.0.2.40)",
          "Gateway 192.0.2.254 (was 192.0.2.1)"}},
        {{"[DHCP1]"}, {}, {"DHCP off (was on)", "IP address 192.0.2.40", "Netmask 255.255.255.0",
                           "Gateway 192.0.2.1"}},
        {{}, {"[NO4\"Pool\x01side\"]"}, {"Zone 4 Terrace renamed Pool\\x01side"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentences.join(' ').toStdString());
        const QStringList sentences = changeSentences(named(c.before), named(c.after));
        EXPECT_EQ(sentences, c.sentences) << sentences.join('\n').toStdString();
    }

    // No EQ mode chosen ends what a zone writes.
    ConfigModel noMode = named({});
    noMode.zoneAudio(10).eqMode = model::kEqModeNone;
    EXPECT_EQ(changeSentences(named({}), noMode),
              QStringList({"Zone 10 Room 10 east EQ mode none chosen (was ZQ Mode)"}));
    // A bigger unit: the counts say so, its new names are not listed one by one.
    ConfigModel smaller = named({});
    smaller.clearCounts();
    smaller.raiseZoneCount(8);
    smaller.raiseSourceCount(8);
    const QStringList sentences = changeSentences(smaller, named({}));
    ASSERT_GE(sentences.size(), 2);
    EXPECT_EQ(sentences.mid(0, 2), QStringList({"The unit now has 16 zones (was 8)",
                                                "The unit now has 16 sources (was 8)"}));
    EXPECT_FALSE(sentences.join('\n').contains("named"));
}

} // namespace
} // namespace zel::report
