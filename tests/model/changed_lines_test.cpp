// Sending only what changed: the writer's blocks of the differing members, in the writer's
// order, "[FAR]" and "[GAR]" blocks whole, "[EC]" last.

#include "model/changed_lines.h"
#include "model/config_model.h"
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
