// What a whole configuration sets that a text did not, and which model of unit it is for.

#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/templates.h"
#include "model/test_support.h"
#include "model/unit_model.h"
#include "model/whole_configuration.h"

namespace zel::model {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> missing(const Lines& lines, ConfigModel* read = nullptr)
{
    ConfigModel model;
    resetModel(model);
    LogLines log;
    const ReadSummary summary = readText(model, joinLines(lines, "\r\n"), log);
    if (read)
        *read = model;
    return missingFromWhole(model, summary.coverage);
}

// The writer's text of the ZEL-8 template, its empty lines and markers taken out as a unit's
// dump has them, the lines for which `drop` holds left out too.
Lines dump8(const std::function<bool(const std::string&)>& drop = {})
{
    ConfigModel model;
    resetModel(model);
    test::readLines(model, templateLines(UnitSize::Zel8));
    Lines lines;
    for (const std::string& line : writeConfiguration(model))
        if (!line.empty() && line != "[GAR]" && line != "[FAR]" && line != "[EC]" &&
            !(drop && drop(line)))
            lines.push_back(line);
    return lines;
}

Lines upTo(Lines lines, const std::string& last)
{
    lines.resize(
        static_cast<std::size_t>(std::find(lines.begin(), lines.end(), last) - lines.begin()) + 1);
    return lines;
}

TEST(WholeConfiguration, NamesWhatATextDidNotSetThatAnExportWouldSendAnyway)
{
    const auto startsWith = [](const char* prefix) {
        return [prefix](const std::string& line) { return line.rfind(prefix, 0) == 0; };
    };
    const Lines allUnset = {"the display brightness", "the front-panel lock", "the IR lockout",
                            "the names of presets 1 to 10", "the EQ bands of presets 1 to 10"};
    struct Case {
        const char* what;
        Lines text;
        Lines missing;
    };
    const std::vector<Case> cases = {
        {"the ZEL-8 template", templateLines(UnitSize::Zel8), {}},
        {"the ZEL-16 template", templateLines(UnitSize::Zel16), {}},
        {"a ZEL-8 dump", dump8(), {}},
        {"a dump cut after the zones",
         upTo(dump8(), "[BO8R0]"),
         {"the groups (which zones belong to each)", "the favorites (which source each zone plays)",
          "the names of favorites 1 to 10", "the names of groups 1 to 10",
          "the network settings (DHCP and the addresses)"}},
        {"a dump cut after the first favorite names",
         upTo(dump8(), "[NF3\"Favorite Name 3\"]"),
         {"the names of favorites 4 to 10", "the names of groups 1 to 10",
          "the network settings (DHCP and the addresses)"}},
        {"a dump cut inside the network",
         [&] {
             Lines lines = dump8(startsWith("[DHCP"));
             lines.insert(lines.end(), {"[DHCP0]", "[NM255.0.0.0]"});
             return lines;
         }(),
         {"the IP address", "the gateway"}},
        {"a dump without some preset bands and names",
         dump8([](const std::string& l) { return l == "[EP3B4L0]" || l.rfind("[NEP7", 0) == 0; }),
         {"the name of preset 7", "the EQ bands of preset 3"}},
        {"a dump without two zones' volume and one zone's balance",
         dump8([](const std::string& l) {
             return l == "[VO2R-12]" || l == "[VO5R-12]" || l == "[BO7R0]";
         }),
         {"the volume of zones 2 and 5", "the balance of zone 7"}},
        {"a zone without its EQ mode, one in ZQ mode with four bands",
         [&] {
             Lines lines = dump8([](const std::string& l) { return l == "[EO3M0]"; });
             lines.insert(lines.end(), {"[EO4M1]", "[EO4B1L0]", "[EO4B2L0]", "[EO4B3L0]"});
             return lines;
         }(),
         {"the audio settings of zone 3", "the EQ bands of zone 4"}},
        {"locked, a zone's volume is not needed; a tone zone needs its bass and treble",
         [&] {
             Lines lines = dump8([](const std::string& l) { return l.rfind("[VO1", 0) == 0; });
             lines.insert(lines.end(), {"[VO1F1]", "[EO2M3]", "[EO6M4]"});
             return lines;
         }(),
         {"the bass and treble of zone 2"}},
        {"the lines of a Send Selected",
         {"[NO1\"Hall\"]", "[NG3\"Upstairs\"]", "[EC]"},
         [&] {
             Lines parts = allUnset;
             parts.insert(parts.end(),
                          {"the source names (so the number of sources is not known)",
                           "the audio settings of zone 1", "the names of favorites 1 to 10",
                           "the names of groups 1, 2 and 4 to 10",
                           "the network settings (DHCP and the addresses)"});
             return parts;
         }()},
        {"a zone named beyond the table sets no name",
         {"[NO40\"x\"]", "[NI1\"y\"]"},
         [&] {
             Lines parts = allUnset;
             parts.insert(parts.end(),
                          {"the names of zones 1 to 16", "the audio settings of zones 1 to 16",
                           "the groups (which zones belong to each)",
                           "the favorites (which source each zone plays)",
                           "the names of favorites 1 to 10", "the names of groups 1 to 10",
                           "the network settings (DHCP and the addresses)"});
             return parts;
         }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(missing(c.text), c.missing);
    }
}

TEST(UnitModel, IsToldByTheCountsAndNamed)
{
    ConfigModel zel8;
    missing(templateLines(UnitSize::Zel8), &zel8);
    ConfigModel zel16;
    missing(templateLines(UnitSize::Zel16), &zel16);
    ConfigModel odd;
    missing({"[NO12\"a\"]", "[NI1\"b\"]"}, &odd);
    ConfigModel none;
    missing({"[SD1]"}, &none);
    EXPECT_EQ(unitModelName(*unitModelOf(zel8)), "ZEL-8");
    EXPECT_EQ(unitModelName(*unitModelOf(zel16)), "ZEL-16");
    EXPECT_EQ(unitModelName(*unitModelOf(odd)), "unit of 12 zones and 1 source");
    EXPECT_FALSE(unitModelOf(none));
    EXPECT_TRUE(otherModels(unitModelOf(zel8), unitModelOf(zel16)));
    EXPECT_FALSE(otherModels(unitModelOf(zel16), unitModelOf(zel16)));
    EXPECT_FALSE(otherModels(unitModelOf(none), unitModelOf(zel16))) << "unknown is no other";
}

} // namespace
} // namespace zel::model
