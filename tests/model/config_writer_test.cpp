// The writer: block order, the lines of a zone by its settings, names and network.

#include "model/config_writer.h"
#include "model/test_support.h"

#include <algorithm>
#include <functional>

namespace zel::model {
namespace {

using test::resetModelCopy;
using Lines = std::vector<std::string>;

constexpr std::size_t kPresetLines = 110;
constexpr std::size_t kAfterPresets = 3 + kPresetLines;

Lines linesFrom(const Lines& lines, std::size_t first)
{
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end());
}

// The lines of zone z's block: from its [NO..] line up to the next empty line or [GAR].
Lines zoneBlock(const Lines& lines, int z)
{
    const std::string start = "[NO" + std::to_string(z) + "\"";
    auto first = std::find_if(lines.begin(), lines.end(),
                              [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    auto last = std::find_if(first, lines.end(),
                             [](const std::string& l) { return l.empty() || l == "[GAR]"; });
    return Lines(first, last);
}

TEST(ConfigWriter, WritesTheFixedBlocksRightAfterAReset)
{
    const Lines lines = writeConfiguration(resetModelCopy());
    ASSERT_EQ(lines.size(), kAfterPresets + 29);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5),
              (Lines{"[SD0]", "[FPL0]", "[IRL0]", "[NEP1\"\"]", "[EP1B1L0]"}));
    EXPECT_EQ(lines[kAfterPresets - 1], "[EP10B10L0]");
    Lines expectedTail = {"", "[GAR]", "", "[FAR]"};
    for (int f = 1; f <= kFavorites; ++f)
        expectedTail.push_back("[NF" + std::to_string(f) + "\" \"]");
    for (int g = 1; g <= kGroups; ++g)
        expectedTail.push_back("[NG" + std::to_string(g) + "\" \"]");
    for (const char* line : {"[DHCP0]", "[NMNetmask]", "[GWGateway]", "[IPIPAddress]", "[EC]"})
        expectedTail.push_back(line);
    EXPECT_EQ(linesFrom(lines, kAfterPresets), expectedTail);
}

TEST(ConfigWriter, WritesEveryBlockInOrderWithinTheCounts)
{
    ConfigModel model = resetModelCopy();
    model.raiseZoneCount(2);
    model.raiseSourceCount(3);
    model.setDisplayLevel(2);
    model.setFrontPanelLocked(true);
    model.preset(10).name = "Preset name kept whole";
    model.preset(10).setBand(10, -7);
    model.setSourceName(1, "CD");
    model.setSourceName(4, "Beyond the count");
    model.setZoneName(1, "Lounge");
    model.setZoneName(3, "Beyond the count");
    model.zoneAudio(2).audioKnown = true;
    model.zoneAudio(2).volumeLocked = true;
    model.zoneAudio(2).eqMode = kEqModeDisabled;
    model.zoneAudio(3).audioKnown = true;
    for (int z : {2, 1, 3})
        for (int g : {10, 1})
            model.setGroupMark(g, z, "G");
    model.setGroupMark(5, 1, "X");
    model.setConnection(2, 3, 2, "A");
    model.setConnection(1, 1, 2, "A");
    model.setConnection(1, 4, 1, "A"); // source beyond the count
    model.setConnection(1, 2, 1, "X"); // a matrix mark, never written
    model.setFavoriteName(1, "Morning Music Selection");
    model.setGroupName(2, "Down");
    model.network().dhcp = true;

    const Lines lines = writeConfiguration(model);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), (Lines{"[SD2]", "[FPL1]", "[IRL0]"}));
    EXPECT_EQ(lines[kAfterPresets - 11], "[NEP10\"Preset name kept whole\"]");
    EXPECT_EQ(lines[kAfterPresets - 1], "[EP10B10L-7]");
    Lines expected = {"",
                      "[NI1\"CD\"]",
                      "[NI2\" \"]",
                      "[NI3\" \"]",
                      "",
                      "[NO1\"Lounge\"]",
                      "",
                      "[NO2\" \"]",
                      "[VO2F1]",
                      "[EO2M0]",
                      "[BO2R0]",
                      "[GAR]",
                      "[G1AO1]",
                      "[G10AO1]",
                      "[G1AO2]",
                      "[G10AO2]",
                      "",
                      "[FAR]",
                      "[F1AO2I1]",
                      "[F2AO2I3]",
                      "[NF1\"Morning Music Se\"]"};
    for (int f = 2; f <= kFavorites; ++f)
        expected.push_back("[NF" + std::to_string(f) + "\" \"]");
    expected.push_back("[NG1\" \"]");
    expected.push_back("[NG2\"Down\"]");
    for (int g = 3; g <= kGroups; ++g)
        expected.push_back("[NG" + std::to_string(g) + "\" \"]");
    expected.push_back("[DHCP1]");
    expected.push_back("[EC]");
    EXPECT_EQ(linesFrom(lines, kAfterPresets), expected);
    EXPECT_EQ(writeConfiguration(model), lines) << "a second run gives the same text";
}

TEST(ConfigWriter, WritesTheKitchenExample)
{
    ConfigModel model = resetModelCopy();
    model.raiseZoneCount(3);
    model.setZoneName(3, "Kitchen");
    ZoneAudio& kitchen = model.zoneAudio(3);
    kitchen.audioKnown = true;
    kitchen.volume = -20;
    kitchen.eqMode = kEqModeTone;
    kitchen.balance = -5;
    kitchen.bass = -2;
    kitchen.treble = 4;
    const Lines lines = writeConfiguration(model);
    auto at = std::find(lines.begin(), lines.end(), "[NO3\"Kitchen\"]");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(Lines(at - 1, at + 6), (Lines{"", "[NO3\"Kitchen\"]", "[VO3F0]", "[VO3R-20]",
                                            "[EO3M3]", "[BO3L5]", "[TO3B2T-4]"}));
    EXPECT_EQ(*(at + 6), "[GAR]");
}

TEST(ConfigWriter, WritesAZoneByItsFlagsAndMode)
{
    struct Case {
        std::string name;
        std::function<void(ZoneAudio&)> set;
        Lines block; // after [NO4"Den"]
    };
    const auto bands = [](ZoneAudio& z) {
        for (int b = 1; b <= kBands; ++b)
            z.setBand(b, static_cast<int8_t>(b - 5));
    };
    const std::vector<Case> cases = {
        {"audio unknown",
         [](ZoneAudio& z) {
             z.volume = -30;
             z.eqMode = 1;
         },
         {}},
        {"no mode",
         [](ZoneAudio& z) {
             z.audioKnown = true;
             z.eqMode = -1;
             z.volume = -3;
         },
         {"[VO4F0]", "[VO4R-3]"}},
        {"locked",
         [](ZoneAudio& z) {
             z.audioKnown = true;
             z.volumeLocked = true;
             z.volume = -9;
         },
         {"[VO4F1]", "[EO4M0]", "[BO4R0]"}},
        {"ZQ mode",
         [&](ZoneAudio& z) {
             z.audioKnown = true;
             z.eqMode = 1;
             z.balance = 80;
             bands(z);
         },
         {"[VO4F0]", "[VO4R0]", "[EO4M1]", "[BO4R80]", "[EO4B1L-4]", "[EO4B2L-3]", "[EO4B3L-2]",
          "[EO4B4L-1]", "[EO4B5L0]", "[EO4B6L1]", "[EO4B7L2]", "[EO4B8L3]", "[EO4B9L4]",
          "[EO4B10L5]"}},
        {"preset 0",
         [](ZoneAudio& z) {
             z.audioKnown = true;
             z.eqMode = 2;
         },
         {"[VO4F0]", "[VO4R0]", "[EO4M2]", "[BO4R0]"}},
        {"preset 7",
         [](ZoneAudio& z) {
             z.audioKnown = true;
             z.eqMode = 2;
             z.systemEqPreset = 7;
         },
         {"[VO4F0]", "[VO4R0]", "[EO4M2]", "[BO4R0]", "[EO4P7]"}},
        {"tone extremes",
         [](ZoneAudio& z) {
             z.audioKnown = true;
             z.eqMode = 3;
             z.bass = -128;
             z.treble = 127;
             z.balance = -128;
         },
         {"[VO4F0]", "[VO4R0]", "[EO4M3]", "[BO4L128]", "[TO4B128T-127]"}},
        {"lowpass",
         [](ZoneAudio& z) {
             z.audioKnown = true;
             z.eqMode = 4;
             z.lowpass = 120;
         },
         {"[VO4F0]", "[VO4R0]", "[EO4M4]", "[BO4R0]", "[EO4LP120]"}},
        {"lowpass never set",
         [](ZoneAudio& z) {
             z.audioKnown = true;
             z.eqMode = 4;
             z.lowpass = -1;
         },
         {"[VO4F0]", "[VO4R0]", "[EO4M4]", "[BO4R0]"}},
        {"unknown mode",
         [&](ZoneAudio& z) {
             z.audioKnown = true;
             z.eqMode = 9;
             bands(z);
             z.lowpass = 50;
         },
         {"[VO4F0]", "[VO4R0]", "[EO4M9]", "[BO4R0]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigModel model = resetModelCopy();
        model.raiseZoneCount(4);
        model.setZoneName(4, "Den");
        c.set(model.zoneAudio(4));
        Lines expected = {"[NO4\"Den\"]"};
        expected.insert(expected.end(), c.block.begin(), c.block.end());
        EXPECT_EQ(zoneBlock(writeConfiguration(model), 4), expected);
    }
}

TEST(ConfigWriter, CutsNamesAndCopiesNetworkTexts)
{
    ConfigModel model = resetModelCopy();
    model.raiseZoneCount(2);
    model.setZoneName(1, "Twenty characters!!!");
    model.setZoneName(2, "Exactly sixteen!");
    model.preset(1).name = "";
    model.network() = {false, "not an address", "", "x]y"};
    const Lines lines = writeConfiguration(model);
    EXPECT_EQ(lines[3], "[NEP1\"\"]");
    EXPECT_EQ(zoneBlock(lines, 1).front(), "[NO1\"Twenty character\"]");
    EXPECT_EQ(zoneBlock(lines, 2).front(), "[NO2\"Exactly sixteen!\"]");
    EXPECT_EQ(Lines(lines.end() - 5, lines.end()),
              (Lines{"[DHCP0]", "[NM]", "[GWx]y]", "[IPnot an address]", "[EC]"}));
}

TEST(ConfigWriter, JoinsLinesWithAnEndAfterEveryLine)
{
    EXPECT_EQ(joinLines({}, "\r\n"), "");
    EXPECT_EQ(joinLines({"[SD0]"}, "\r\n"), "[SD0]\r\n");
    EXPECT_EQ(joinLines({"a", "", "b"}, "\n"), "a\n\nb\n");
}

} // namespace
} // namespace zel::model
