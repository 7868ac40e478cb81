// Differences between two configurations, member by member, as the writer would write them.

#include "model/config_diff.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/templates.h"
#include "model/test_support.h"

namespace zel::model {
namespace {

using Lines = std::vector<std::string>;

// A configuration as zeltool reads one: reset, read, unavailable groups marked.
ConfigModel readConfiguration(const Lines& lines)
{
    ConfigModel model;
    resetModel(model);
    LogLines log;
    readText(model, joinLines(lines, "\r\n"), log);
    markUnavailableGroups(model);
    return model;
}

// The ZEL-8 template followed by `extra`.
Lines zel8(const Lines& extra)
{
    Lines lines = templateLines(UnitSize::Zel8);
    lines.insert(lines.end(), extra.begin(), extra.end());
    return lines;
}

// A ZEL-16 unit with every kind of member set, including the texts that read back differently.
Lines filledZel16()
{
    Lines lines = templateLines(UnitSize::Zel16);
    lines.insert(lines.end(),
                 {"[SD2]",        "[FPL1]",       "[IRL1]",
                  "[DHCP0]",      "[IP10.0.0.7]", "[NM255.255.255.0]",
                  "[GW10.0.0.1]", "[NEP3\"\"]",   "[NEP4\"A preset name of some length\"]",
                  "[EP4B2L-7]",   "[NI2\"\"]",    "[NI3\"A source named at length\"]",
                  "[NO4\" \"]",   "[EO1M1]",      "[EO1B3L5]",
                  "[EO1B10L-10]", "[BO1L0]",      "[EO2M2]",
                  "[EO2P3]",      "[BO2L40]",     "[EO3M3]",
                  "[TO3B6T-4]",   "[BO3R12]",     "[EO4M4]",
                  "[EO4LP120]",   "[EO5M2]",      "[EO5P0]",
                  "[EO6M3]",      "[VO6F1]",      "[VO6R-40]",
                  "[VO7R200]",    "[G1AO1]",      "[G10AO16]",
                  "[G3AO7]",      "[F1AO1I1]",    "[F1AO16I16]",
                  "[F10AO8I3]",   "[NF5\"\"]",    "[NG2\"Upstairs, every room\"]"});
    return lines;
}

TEST(ConfigDiff, DescribesEachMemberInTheUnitsTerms)
{
    struct Case {
        const char* what;
        Lines before;
        Lines after;
        Lines differences;
    };
    const std::vector<Case> cases = {
        {"volume", zel8({"[VO3R-20]"}), zel8({}), {"Zone 3 volume: -20 -> -12"}},
        {"favorite", zel8({}), zel8({"[F2AO5I3]"}), {"Favorite 2: zone 5 plays source 3 (added)"}},
        {"source name",
         zel8({"[NI4\"Tuner\"]"}),
         zel8({"[NI4\"CD\"]"}),
         {"Source 4 name: \"Tuner\" -> \"CD\""}},
        {"group", zel8({"[G2AO3]"}), zel8({}), {"Group 2: zone 3 (removed)"}},
        {"panel",
         zel8({"[SD1]", "[IRL1]"}),
         zel8({"[SD3]", "[FPL1]"}),
         {"Display level: 75% -> 25%", "Front-panel lock: off -> on", "IR lockout: on -> off"}},
        {"preset",
         zel8({}),
         zel8({"[NEP2\"Rock\"]", "[EP2B3L4]"}),
         {"Preset 2 name: \"Preset Name 2\" -> \"Rock\"", "Preset 2 band 3 (125Hz): 0 -> 4"}},
        {"lock hides the volume",
         zel8({}),
         zel8({"[VO2F1]"}),
         {"Zone 2 volume lock: off -> on", "Zone 2 volume: -12 (removed)"}},
        {"EQ mode and its own fields",
         zel8({"[EO1M3]", "[TO1B6T-2]"}),
         zel8({"[EO1M4]", "[EO1LP80]"}),
         {"Zone 1 EQ mode: Tone Controls -> Lowpass", "Zone 1 bass: 6 (removed)",
          "Zone 1 treble: -2 (removed)", "Zone 1 lowpass: 80 (added)"}},
        {"zone bands",
         zel8({"[EO1M1]", "[EO1B10L-3]"}),
         zel8({"[EO1M1]", "[EO1B1L2]"}),
         {"Zone 1 EQ band 1 (32Hz): 0 -> 2", "Zone 1 EQ band 10 (16KHz): -3 -> 0"}},
        {"balance", zel8({"[BO5L3]"}), zel8({"[BO5R7]"}), {"Zone 5 balance: L3 -> R7"}},
        {"system EQ preset",
         zel8({"[EO1M2]", "[EO1P3]"}),
         zel8({"[EO1M2]", "[EO1P0]"}),
         {"Zone 1 system EQ preset: 3 (removed)"}},
        {"network",
         zel8({"[DHCP0]", "[IP1.2.3.4]"}),
         zel8({}),
         {"DHCP: off -> on", "IP address: \"1.2.3.4\" (removed)", "Netmask: \"0.0.0.0\" (removed)",
          "Gateway: \"0.0.0.0\" (removed)"}},
        {"addresses",
         zel8({"[DHCP0]", "[GW1.1.1.1]"}),
         zel8({"[DHCP0]", "[GW1.1.1.2]"}),
         {"Gateway: \"1.1.1.1\" -> \"1.1.1.2\""}},
        {"zone count",
         {"[NO1\"a\"]", "[NO2\"b\"]", "[EO2M0]", "[G1AO2]"},
         {"[NO1\"a\"]"},
         {"Zone count: 2 -> 1", "Zone 2 name: \"b\" (removed)", "Zone 2 audio settings (removed)",
          "Group 1: zone 2 (removed)"}},
        {"audio settings gained",
         {"[NO1\"a\"]", "[VO1R-5]"},
         {"[NO1\"a\"]", "[VO1R-5]", "[EO1M0]"},
         {"Zone 1 audio settings (added)"}},
        {"control bytes shown",
         zel8({}),
         zel8({"[NI1\"a\x01\x9B\"]"}),
         {"Source 1 name: \"Source Name 1\" -> \"a\\x01\\x9B\""}},
        {"fixed order",
         zel8({"[F1AO1I1]", "[VO1R-5]", "[NG1\"x\"]"}),
         zel8({"[SD1]"}),
         {"Display level: 100% -> 75%", "Zone 1 volume: -5 -> -12",
          "Favorite 1: zone 1 plays source 1 (removed)",
          "Group 1 name: \"x\" -> \"Group Name 1\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(diffConfigurations(readConfiguration(c.before), readConfiguration(c.after)),
                  c.differences);
    }
}

TEST(ConfigDiff, EachDifferenceSaysWhatItBelongsTo)
{
    struct Case {
        Lines after; // a ZEL-8 template with this added
        DiffSubject subject;
        int number;
        bool entry;
    };
    const std::vector<Case> cases = {
        {{"[NO9\"x\"]"}, DiffSubject::Counts, 0, false},
        {{"[IRL1]"}, DiffSubject::Unit, 0, false},
        {{"[NI2\"x\"]"}, DiffSubject::Source, 2, false},
        {{"[NO3\"x\"]"}, DiffSubject::Zone, 3, false},
        {{"[VO4R-5]"}, DiffSubject::ZoneAudio, 4, false},
        {{"[EP5B1L3]"}, DiffSubject::Preset, 5, false},
        {{"[NF6\"x\"]"}, DiffSubject::FavoriteName, 6, false},
        {{"[F7AO1I2]"}, DiffSubject::Favorite, 7, true},
        {{"[NG8\"x\"]"}, DiffSubject::GroupName, 8, false},
        {{"[G9AO3]"}, DiffSubject::Group, 9, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after.front());
        const std::vector<Difference> found =
            compareConfigurations(readConfiguration(zel8({})), readConfiguration(zel8(c.after)));
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front().subject, c.subject);
        EXPECT_EQ(found.front().number, c.number);
        EXPECT_EQ(found.front().entry, c.entry);
        EXPECT_EQ(describe(found.front()),
                  diffConfigurations(readConfiguration(zel8({})), readConfiguration(zel8(c.after)))
                      .front());
    }
}

TEST(ConfigDiff, WhatTheWriterWritesAlikeComparesEqual)
{
    struct Case {
        const char* what;
        Lines before;
        Lines after;
    };
    const std::vector<Case> cases = {
        {"balance 0 left or right", zel8({"[BO1L0]"}), zel8({"[BO1R0]"})},
        {"a locked zone's volume", zel8({"[VO2F1]", "[VO2R-20]"}), zel8({"[VO2F1]", "[VO2R-30]"})},
        {"empty name and blank", {"[NO1\"\"]", "[NF3\"\"]"}, {"[NO1\" \"]", "[NF3\" \"]"}},
        {"names cut to 16", zel8({"[NO1\"A very long zone name\"]"}),
         zel8({"[NO1\"A very long zone\"]"})},
        {"fields of another EQ mode", zel8({"[TO1B6T0]", "[EO1B1L3]", "[EO1LP60]"}), zel8({})},
        {"system EQ preset 0", zel8({"[EO1M2]"}), zel8({"[EO1M2]", "[EO1P0]"})},
        {"audio lines without an EQ mode", {"[NO1\"a\"]", "[VO1R-5]"}, {"[NO1\"a\"]"}},
        {"zones beyond the count", zel8({"[F1AO9I1]", "[G1AO12]", "[VO9R-3]", "[EO10M1]"}),
         zel8({})},
        {"sources beyond the count", zel8({"[F1AO1I9]", "[F2AO3I12]"}), zel8({})},
        {"addresses under DHCP", zel8({"[IP1.2.3.4]"}), zel8({"[NM255.0.0.0]"})},
        {"no names read and none", {}, {"[NO0\"\"]", "[NI0\"\"]"}},
        {"the same lines in another order",
         zel8({"[VO1R-5]", "[VO1R-6]"}),
         {"[VO1R-6]", "[VO1R-5]", "[VO1R-6]"}},
    };
    // The last case differs: the later line wins. Every other case compares equal both ways.
    for (std::size_t i = 0; i + 1 < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.what);
        const ConfigModel before = readConfiguration(c.before);
        const ConfigModel after = readConfiguration(c.after);
        EXPECT_EQ(diffConfigurations(before, after), Lines{});
        EXPECT_EQ(diffConfigurations(after, before), Lines{});
        // Equal differences mean equal exports.
        EXPECT_EQ(writeConfiguration(before), writeConfiguration(after));
    }
    EXPECT_FALSE(diffConfigurations(readConfiguration(cases.back().before),
                                    readConfiguration(cases.back().after))
                     .empty());
}

TEST(ConfigDiff, AConfigurationEqualsItsOwnExportReadBack)
{
    const std::vector<Lines> configurations = {templateLines(UnitSize::Zel8),
                                               templateLines(UnitSize::Zel16), filledZel16()};
    for (const Lines& lines : configurations) {
        SCOPED_TRACE(lines.size());
        const ConfigModel model = readConfiguration(lines);
        const ConfigModel readBack = readConfiguration(writeConfiguration(model));
        EXPECT_EQ(diffConfigurations(model, readBack), Lines{});
        EXPECT_EQ(diffConfigurations(model, model), Lines{});
    }
}

// The line with another value: a name gets a letter in front, a number its last digit changed.
std::string withOtherValue(const std::string& line)
{
    const std::size_t quote = line.find('"');
    if (quote != std::string::npos)
        return line.substr(0, quote + 1) + "x" + line.substr(quote + 1);
    std::string changed = line;
    const std::size_t digit = line.find_last_of("0123456789");
    changed.at(digit) = line[digit] == '0' ? '1' : '0';
    return changed;
}

TEST(ConfigDiff, EveryWrittenLineThatChangesIsSeen)
{
    // Each line of a filled export, given another value, shows as a difference, in both
    // directions and with as many lines either way.
    const Lines written = writeConfiguration(readConfiguration(filledZel16()));
    const ConfigModel original = readConfiguration(written);
    int checked = 0;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::string& line = written[i];
        if (line.empty() || line == "[GAR]" || line == "[FAR]" || line == "[EC]")
            continue; // separators and lines the reader does not handle
        SCOPED_TRACE(line);
        Lines changed = written;
        changed[i] = withOtherValue(line);
        const ConfigModel other = readConfiguration(changed);
        const Lines forward = diffConfigurations(original, other);
        EXPECT_FALSE(forward.empty());
        EXPECT_EQ(forward.size(), diffConfigurations(other, original).size());
        ++checked;
    }
    EXPECT_GT(checked, 250);
}

} // namespace
} // namespace zel::model
