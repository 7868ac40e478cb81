// Sending only what changed: the writer's blocks of the differing members, in the writer's
// order, "[FAR]" and "[GAR]" blocks whole, "[EC]" last.

#include "model/changed_lines.h"
#include "model/config_model.h"
#include "model/selected_lines.h"
#include "model/templates.h"
#include "test_support.h"

#include <functional>

namespace zel::model::test {
namespace {

ConfigModel blankZel8()
{
    ConfigModel model = resetModelCopy();
    readLines(model, templateLines(UnitSize::Zel8));
    return model;
}

TEST(ChangedLines, SendsTheWritersBlocksOfWhatDiffersAndEndsWithEc)
{
    using Edit = std::function<void(ConfigModel&)>;
    // clang-format off
    const std::vector<std::pair<Edit, std::vector<std::string>>> cases = {
        {[](ConfigModel&) {}, {"[EC]"}},
        {[](ConfigModel& m) { m.setZoneName(3, "Kitchen"); }, {"[NO3\"Kitchen\"]", "[EC]"}},
        // Two names, in the writer's order.
        {[](ConfigModel& m) { m.setGroupName(2, "Up"); m.setSourceName(1, "Tuner"); },
         {"[NI1\"Tuner\"]", "[NG2\"Up\"]", "[EC]"}},
        // A zone's whole audio block; a preset's name and bands.
        {[](ConfigModel& m) { m.zoneAudio(2).volume = -20; },
         {"[VO2F0]", "[VO2R-20]", "[EO2M0]", "[BO2R0]", "[EC]"}},
        {[](ConfigModel& m) { m.preset(4).setBand(3, 5); },
         {"[NEP4\"Preset Name 4\"]", "[EP4B1L0]", "[EP4B2L0]", "[EP4B3L5]", "[EP4B4L0]",
          "[EP4B5L0]", "[EP4B6L0]", "[EP4B7L0]", "[EP4B8L0]", "[EP4B9L0]", "[EP4B10L0]", "[EC]"}},
        // The whole [FAR] or [GAR] block, even when it is left empty.
        {[](ConfigModel& m) { m.setConnection(1, 2, 1, "A"); m.setConnection(3, 1, 8, "A"); },
         {"[FAR]", "[F1AO1I2]", "[F3AO8I1]", "[EC]"}},
        {[](ConfigModel& m) { m.setGroupMark(1, 1, ""); }, {"[GAR]", "[EC]"}},
        {[](ConfigModel& m) { m.setIrLockout(true); }, {"[SD0]", "[FPL0]", "[IRL1]", "[EC]"}},
        {[](ConfigModel& m) { m.network().dhcp = false; m.network().ipAddress = "10.0.0.5"; },
         {"[DHCP0]", "[NM0.0.0.0]", "[GW0.0.0.0]", "[IP10.0.0.5]", "[EC]"}},
    };
    // clang-format on
    ConfigModel unit = blankZel8();
    unit.setGroupMark(1, 1, "G");
    for (const auto& [edit, lines] : cases) {
        SCOPED_TRACE(lines.front());
        ConfigModel edited = unit;
        edit(edited);
        EXPECT_EQ(changedLines(unit, edited), lines);
    }
    // Only the chosen differences' blocks.
    ConfigModel edited = unit;
    edited.setZoneName(1, "Hall");
    edited.setFavoriteName(2, "Radio");
    const std::vector<Difference> differences = compareConfigurations(unit, edited);
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(changedLines(edited, blocksOf({differences[1]})),
              (std::vector<std::string>{"[NF2\"Radio\"]", "[EC]"}));
}

} // namespace
} // namespace zel::model::test

namespace zel::model::test {
namespace {

// Rows that cannot be sent apart are tied: an EQ mode with what one side's mode writes, a lock
// with the volume it hides.
TEST(SelectedLines, EachBlockCarriesTheTickedRowsAndTheUnitsOwnValuesOfTheRest)
{
    using Edit = std::function<void(ConfigModel&)>;
    using Labels = std::vector<std::string>;
    struct Case {
        const char* what;
        Edit edit;     // the configuration being edited, from the unit's
        Labels ticked; // the rows sent, by their labels
        Labels lines;
        std::vector<Labels> tied = {};
    };
    Labels zone3Bands = {"Zone 3 EQ mode"};
    for (std::size_t b = 0; b < kBands; ++b)
        zone3Bands.push_back("Zone 3 EQ band " + std::to_string(b + 1) + " (" +
                             std::string(kBandFrequencies.at(b)) + "Hz)");
    // clang-format off
    const std::vector<Case> cases = {
        {"a zone's volume, not its balance",
         [](ConfigModel& m) { m.zoneAudio(5).volume = -20; m.zoneAudio(5).balance = 7; },
         {"Zone 5 volume"}, {"[VO5F0]", "[VO5R-20]", "[EO5M0]", "[BO5R3]", "[EC]"}},
        {"one group member of two",
         [](ConfigModel& m) { m.setGroupMark(1, 2, "G"); m.setGroupMark(2, 3, "G"); },
         {"Group 1: zone 2"}, {"[GAR]", "[G1AO1]", "[G1AO2]", "[EC]"}},
        {"one connection of two, one taken away",
         [](ConfigModel& m) { m.setConnection(2, 1, 1, "A"); m.setConnection(3, 4, 4, "A");
                              m.setConnection(1, 2, 2, ""); },
         {"Favorite 3: zone 4 plays source 4", "Favorite 1: zone 2 plays source 2"},
         {"[FAR]", "[F3AO4I4]", "[EC]"}},
        {"the IR lockout, not the display",
         [](ConfigModel& m) { m.setIrLockout(true); m.setDisplayLevel(3); },
         {"IR lockout"}, {"[SD1]", "[FPL0]", "[IRL1]", "[EC]"}},
        {"the address, not the gateway",
         [](ConfigModel& m) { m.network().ipAddress = "10.0.0.9"; m.network().gateway = "10.0.0.1"; },
         {"IP address"}, {"[DHCP0]", "[NM255.0.0.0]", "[GW10.0.0.254]", "[IP10.0.0.9]", "[EC]"}},
        {"a preset band, not another",
         [](ConfigModel& m) { m.preset(2).setBand(3, 4); m.preset(2).setBand(5, -4); },
         {"Preset 2 band 3 (125Hz)"},
         {"[NEP2\"Preset Name 2\"]", "[EP2B1L0]", "[EP2B2L0]", "[EP2B3L4]", "[EP2B4L0]", "[EP2B5L0]",
          "[EP2B6L0]", "[EP2B7L0]", "[EP2B8L0]", "[EP2B9L0]", "[EP2B10L0]", "[EC]"}},
        {"in the writer's order: zone 1's audio before zone 2's name",
         [](ConfigModel& m) { m.setZoneName(2, "Den"); m.zoneAudio(1).volume = -30; },
         {"Zone 2 name", "Zone 1 volume"},
         {"[VO1F0]", "[VO1R-30]", "[EO1M0]", "[BO1R0]", "[NO2\"Den\"]", "[EC]"}},
        {"a zone the edited configuration does not have: nothing to write",
         [](ConfigModel& m) { m.clearCounts(); m.raiseZoneCount(7); m.raiseSourceCount(8); },
         {"Zone 8 name"}, {"[EC]"}},
        {"an EQ mode with the bands it brings, not the zone's volume", [](ConfigModel& m) {
             m.zoneAudio(3).eqMode = kEqModeZq; m.zoneAudio(3).setBand(2, 4);
             m.zoneAudio(3).volume = -40; },
         {}, {"[EC]"}, {zone3Bands}},
        {"a lock with the volume it hides, beside another zone's mode", [](ConfigModel& m) {
             m.zoneAudio(4).volumeLocked = true; m.zoneAudio(6).eqMode = kEqModeTone; },
         {}, {"[EC]"}, {{"Zone 4 volume lock", "Zone 4 volume"},
                        {"Zone 6 EQ mode", "Zone 6 bass", "Zone 6 treble"}}},
        {"a mode with nothing of its own", [](ConfigModel& m) {
             m.zoneAudio(7).eqMode = kEqModePreset; }, {"Zone 7 EQ mode"},
         {"[VO7F0]", "[VO7R-12]", "[EO7M2]", "[BO7R0]", "[EC]"}},
    };
    // clang-format on
    ConfigModel unit = blankZel8();
    unit.setGroupMark(1, 1, "G");
    unit.setConnection(1, 2, 2, "A");
    unit.setDisplayLevel(1);
    unit.zoneAudio(5).balance = 3;
    unit.network() = {false, "10.0.0.5", "255.0.0.0", "10.0.0.254"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigModel edited = unit;
        c.edit(edited);
        const std::vector<Difference> differences = compareConfigurations(edited, unit);
        std::vector<Difference> chosen;
        for (const Difference& d : differences)
            if (std::find(c.ticked.begin(), c.ticked.end(), d.member) != c.ticked.end())
                chosen.push_back(d);
        ASSERT_EQ(chosen.size(), c.ticked.size());
        EXPECT_EQ(selectedLines(unit, edited, chosen), c.lines);
        std::vector<Labels> tied;
        for (const TiedRows& group : tiedRows(differences)) {
            EXPECT_FALSE(group.reason.empty());
            tied.emplace_back();
            for (const std::size_t row : group.rows)
                tied.back().push_back(differences.at(row).member);
        }
        EXPECT_EQ(tied, c.tied);
    }
}

} // namespace
} // namespace zel::model::test
