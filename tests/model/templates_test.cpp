// The blank templates, read into a reset model and written back.

#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/templates.h"
#include "model/test_support.h"

#include <algorithm>
#include <cctype>

namespace zel::model {
namespace {

using test::readLines;
using test::resetModelCopy;

struct TemplateCase {
    UnitSize size;
    int units;
    std::size_t lineCount;
    std::size_t logCount;
};
const std::vector<TemplateCase> kTemplates = {{UnitSize::Zel8, 8, 185, 177},
                                              {UnitSize::Zel16, 16, 233, 217}};

TEST(Templates, HaveTheirLinesAndReadWithoutFaults)
{
    for (const TemplateCase& t : kTemplates) {
        SCOPED_TRACE(t.units);
        const std::vector<std::string> lines = templateLines(t.size);
        ASSERT_EQ(lines.size(), t.lineCount);
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
                  (std::vector<std::string>{"[SD0]", "[DHCP1]", "[IP0.0.0.0]", "[NM0.0.0.0]",
                                            "[GW0.0.0.0]", "[NF1\"Favorite Name 1\"]"}));
        const std::string last = std::to_string(t.units);
        EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()),
                  (std::vector<std::string>{"[NO" + last + "\"Zone Name " + last + "\"]",
                                            "[CO" + last + "I1]", "[EO" + last + "M0]",
                                            "[BO" + last + "L0]", "[VO" + last + "R-12]"}));

        ConfigModel model = resetModelCopy();
        const LogLines log = readLines(model, lines);
        EXPECT_EQ(log.size(), t.logCount);
        EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const std::string& l) {
            return l.rfind("Didn't Handle: ", 0) == 0 || l.rfind("Error parsing: ", 0) == 0;
        }));
    }
}

TEST(Templates, FillTheModelAsABlankUnit)
{
    for (const TemplateCase& t : kTemplates) {
        SCOPED_TRACE(t.units);
        ConfigModel model = resetModelCopy();
        model.zoneAudio(2).systemEqPreset = 6; // no template line sets it
        model.zoneAudio(12).eqMode = kEqModeTone;
        readLines(model, templateLines(t.size));

        EXPECT_EQ(model.zoneCount(), t.units);
        EXPECT_EQ(model.sourceCount(), t.units);
        for (int n = 1; n <= t.units; ++n) {
            const std::string number = std::to_string(n);
            EXPECT_EQ(model.zoneName(n), "Zone Name " + number);
            EXPECT_EQ(model.sourceName(n), "Source Name " + number);
            const ZoneAudio& zone = model.zoneAudio(n);
            EXPECT_TRUE(zone.audioKnown);
            EXPECT_EQ(zone.eqMode, kEqModeDisabled);
            EXPECT_EQ(zone.balance, 0);
            EXPECT_EQ(zone.volume, -12);
            EXPECT_EQ(zone.lowpass, -1);
        }
        EXPECT_EQ(model.zoneAudio(12).eqMode, t.units == 16 ? kEqModeDisabled : kEqModeTone);
        EXPECT_EQ(model.zoneAudio(2).systemEqPreset, 6);
        for (int n = 1; n <= kPresets; ++n) {
            const std::string number = std::to_string(n);
            EXPECT_EQ(model.preset(n).name, "Preset Name " + number);
            EXPECT_EQ(model.favoriteName(n), "Favorite Name " + number);
            EXPECT_EQ(model.groupName(n), "Group Name " + number);
        }
        EXPECT_EQ(model.network(), (NetworkSettings{true, "0.0.0.0", "0.0.0.0", "0.0.0.0"}));
        EXPECT_EQ(model.displayLevel(), 0);
        EXPECT_FALSE(model.frontPanelLocked());
        EXPECT_FALSE(model.irLockout());
    }
}

TEST(Templates, ExportedAgainLoseTheirZoneSourceLines)
{
    ConfigModel model = resetModelCopy();
    readLines(model, templateLines(UnitSize::Zel8));
    markUnavailableGroups(model);
    const std::vector<std::string> lines = writeConfiguration(model);
    const auto first = std::find(lines.begin(), lines.end(), "[NO1\"Zone Name 1\"]");
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(std::vector<std::string>(first, first + 5),
              (std::vector<std::string>{"[NO1\"Zone Name 1\"]", "[VO1F0]", "[VO1R-12]", "[EO1M0]",
                                        "[BO1R0]"}));
    // No [CO..] lines, and neither group nor favorite lines: the template has none.
    const auto numbered = [](const std::string& line, std::string_view mnemonic) {
        return line.rfind(mnemonic, 0) == 0 && line.size() > mnemonic.size() &&
               std::isdigit(static_cast<unsigned char>(line[mnemonic.size()]));
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(numbered(line, "[CO") || numbered(line, "[G") || numbered(line, "[F"));
        EXPECT_EQ(line.find("Zone Name 9"), std::string::npos);
    }
    EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 8 + 2);
}

TEST(Templates, ASmallerTemplateHidesTheLargerOnesLeftovers)
{
    ConfigModel model = resetModelCopy();
    readLines(model, templateLines(UnitSize::Zel16));
    resetModel(model);
    readLines(model, templateLines(UnitSize::Zel8));
    EXPECT_EQ(model.zoneCount(), 8);
    EXPECT_EQ(model.sourceCount(), 8);
    EXPECT_EQ(model.zoneName(9), "Zone Name 9");
    EXPECT_EQ(model.sourceName(16), "Source Name 16");
    const std::string text = joinLines(writeConfiguration(model), "\n");
    EXPECT_EQ(text.find("Zone Name 9"), std::string::npos);
    EXPECT_EQ(text.find("Source Name 9"), std::string::npos);
}

} // namespace
} // namespace zel::model
