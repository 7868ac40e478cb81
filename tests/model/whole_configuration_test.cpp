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

ConfigModel readModel(const Lines& lines, Lines* missing = nullptr)
{
    ConfigModel model = test::resetModelCopy();
    LogLines log;
    const ReadSummary summary = readText(model, joinLines(lines, "\r\n"), log);
    if (missing)
        *missing = missingFromWhole(model, summary.coverage);
    return model;
}

enum class Base { None, Zel8, Zel16, Dump8 }; // Dump8: the ZEL-8 template as a unit dumps it

// `base` up to the line `cutAfter`, without the lines that begin with one of `dropped`, then
// `added`.
Lines textOf(Base base, const std::string& cutAfter, const Lines& dropped, const Lines& added)
{
    Lines lines = base == Base::None
                      ? Lines{}
                      : templateLines(base == Base::Zel16 ? UnitSize::Zel16 : UnitSize::Zel8);
    if (base == Base::Dump8)
        lines = writeConfiguration(readModel(lines));
    Lines text;
    for (const std::string& line : lines) {
        const bool drop = line.empty() || line == "[GAR]" || line == "[FAR]" || line == "[EC]" ||
                          std::any_of(dropped.begin(), dropped.end(),
                                      [&](const std::string& d) { return line.rfind(d, 0) == 0; });
        if (!drop)
            text.push_back(line);
        if (!cutAfter.empty() && line == cutAfter)
            break;
    }
    text.insert(text.end(), added.begin(), added.end());
    return text;
}

TEST(WholeConfiguration, NamesWhatATextDidNotSetThatAnExportWouldSendAnyway)
{
    const Lines unsetUnit = {"the display brightness", "the front-panel lock", "the IR lockout",
                             "the names of presets 1 to 10", "the EQ bands of presets 1 to 10"};
    const auto with = [](Lines parts, const Lines& more) {
        parts.insert(parts.end(), more.begin(), more.end());
        return parts;
    };
    const std::string network = "the network settings (DHCP and the addresses)";
    struct Case {
        const char* what;
        Base base;
        std::string cutAfter;
        Lines dropped, added, missing;
        std::string model = "ZEL-8"; // the unit model it is for; empty: not known
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"the ZEL-8 template", Base::Zel8, {}, {}, {}, {}},
        {"the ZEL-16 template", Base::Zel16, {}, {}, {}, {}, "ZEL-16"},
        {"a ZEL-8 dump", Base::Dump8, {}, {}, {}, {}},
        {"a dump cut after the zones", Base::Dump8, "[BO8R0]", {}, {},
         {"the groups (which zones belong to each)", "the favorites (which source each zone plays)",
          "the names of favorites 1 to 10", "the names of groups 1 to 10", network}},
        {"a dump cut after the third favorite name", Base::Dump8, "[NF3\"Favorite Name 3\"]", {}, {},
         {"the names of favorites 4 to 10", "the names of groups 1 to 10", network}},
        {"a dump cut inside the network", Base::Dump8, {}, {"[DHCP", "[IP", "[NM", "[GW"},
         {"[DHCP0]", "[NM255.0.0.0]"}, {"the IP address", "the gateway"}},
        {"a dump without a preset band and a name", Base::Dump8, {}, {"[EP3B4L0]", "[NEP7"}, {},
         {"the name of preset 7", "the EQ bands of preset 3"}},
        {"a dump without two volumes and a balance", Base::Dump8, {},
         {"[VO2R-12]", "[VO5R-12]", "[BO7R0]"}, {},
         {"the volume of zones 2 and 5", "the balance of zone 7"}},
        {"a zone without EQ mode, one in ZQ mode with three bands", Base::Dump8, {}, {"[EO3M0]"},
         {"[EO4M1]", "[EO4B1L0]", "[EO4B2L0]", "[EO4B3L0]"},
         {"the audio settings of zone 3", "the EQ bands of zone 4"}},
        {"locked, no volume needed; tone mode needs bass and treble", Base::Dump8, {}, {"[VO1"},
         {"[VO1F1]", "[EO2M3]", "[EO6M4]"}, {"the bass and treble of zone 2"}},
        {"the lines of a Send Selected", Base::None, {}, {}, {"[NO1\"Hall\"]", "[NG3\"Up\"]", "[EC]"},
         with(unsetUnit, {"the source names (so the number of sources is not known)",
                          "the audio settings of zone 1", "the names of favorites 1 to 10",
                          "the names of groups 1, 2 and 4 to 10", network}), ""},
        {"a zone named beyond the table sets no name", Base::None, {}, {}, {"[NO40\"x\"]", "[NI1\"y\"]"},
         with(unsetUnit, {"the names of zones 1 to 16", "the audio settings of zones 1 to 16",
                          "the groups (which zones belong to each)",
                          "the favorites (which source each zone plays)",
                          "the names of favorites 1 to 10", "the names of groups 1 to 10", network}),
         "unit of 16 zones and 1 source"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Lines missing;
        const std::optional<UnitModel> model =
            unitModelOf(readModel(textOf(c.base, c.cutAfter, c.dropped, c.added), &missing));
        EXPECT_EQ(missing, c.missing);
        EXPECT_EQ(model ? unitModelName(*model) : "", c.model);
    }
}

} // namespace
} // namespace zel::model
