// The line reader: what each line stores, what it logs, and how it survives hostile text.

#include "model/config_reader.h"
#include "model/model_reset.h"
#include "model/test_support.h"

#include <functional>
#include <random>

namespace zel::model {
namespace {

using test::readLines;
using test::resetModelCopy;
using test::sameModel;

std::string text(int value)
{
    return std::to_string(value);
}

TEST(LineReader, LogsAndReportsMatchesFaultsAndLinesItCannotHandle)
{
    constexpr LineResult handled = LineResult::Handled;
    constexpr LineResult notHandled = LineResult::NotHandled;
    constexpr LineResult numberError = LineResult::NumberError;
    struct Case {
        std::string line;
        LogLines log;
        LineResult result;
        std::optional<Command> command;
    };
    const std::vector<Case> cases = {
        {"[vo2r-20]", {"Zone: 2 Volume: -20"}, handled, Command::Volume},
        {"[NF3\"My \"Best\" Mix\"]",
         {"Favorite: 3 Name: My \"Best\" Mix"},
         handled,
         Command::FavoriteName},
        {"[NO7\"Den\xFFHidden\"]", {"Zone: 7 Name: Den"}, handled, Command::ZoneName},
        {"[QXSB]", {}, handled, Command::Request},
        {"[CO1I1]", {}, handled, Command::ZoneSource},
        {"[EC]", {"Didn't Handle: [EC]"}, notHandled, std::nullopt},
        {"[GAR]", {"Didn't Handle: [GAR]"}, notHandled, std::nullopt},
        {"[EO1LP-5]", {"Didn't Handle: [EO1LP-5]"}, notHandled, std::nullopt},
        {"", {"Didn't Handle: "}, notHandled, std::nullopt},
        {"[VO1R99999999999]",
         {"Zone: 1 Volume: 99999999999", "Error parsing: [VO1R99999999999]",
          "Didn't Handle: [VO1R99999999999]"},
         numberError,
         Command::Volume},
        {"[NO99999999999\"x\"]",
         {"Zone: 99999999999 Name: x", "Error parsing: [NO99999999999\"x\"]",
          "Didn't Handle: [NO99999999999\"x\"]"},
         numberError,
         Command::ZoneName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ConfigModel model = resetModelCopy();
        LogLines log;
        const LineReport report = readLine(model, c.line, log);
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(report.result, c.result);
        EXPECT_EQ(report.command, c.command);
    }
}

TEST(LineReader, StoresEachCommandInItsMember)
{
    using Reader = std::function<std::string(const ConfigModel&)>;
    struct Case {
        std::string line;
        Reader read;
        std::string expected;
    };
    const auto volume = [&](int z) {
        return [z](const ConfigModel& m) { return text(m.zoneAudio(z).volume); };
    };
    const std::vector<Case> cases = {
        {"[VO1R-12]", volume(1), "-12"},
        {"[vo2r-20]", volume(2), "-20"},
        {"[VO1R200]", volume(1), "-56"},
        {"[VO16R-2147483648]", volume(16), "0"},
        {"[EO2B3L5]", [](auto& m) { return text(m.zoneAudio(2).band(3)); }, "5"},
        {"[EO2B10L-300]", [](auto& m) { return text(m.zoneAudio(2).band(10)); }, "-44"},
        {"[TO2B5T-3]", [](auto& m) { return text(m.zoneAudio(2).bass); }, "-5"},
        {"[TO2B5T-3]", [](auto& m) { return text(m.zoneAudio(2).treble); }, "3"},
        {"[BO3L5]", [](auto& m) { return text(m.zoneAudio(3).balance); }, "-5"},
        {"[BO3L0]", [](auto& m) { return text(m.zoneAudio(3).balance); }, "0"},
        {"[BO3R7]", [](auto& m) { return text(m.zoneAudio(3).balance); }, "7"},
        {"[BO3R-7]", [](auto& m) { return text(m.zoneAudio(3).balance); }, "-7"},
        {"[EO4M3]", [](auto& m) { return text(m.zoneAudio(4).eqMode); }, "3"},
        {"[EO4M3]", [](auto& m) { return text(m.zoneAudio(4).audioKnown); }, "1"},
        {"[EO4M255]", [](auto& m) { return text(m.zoneAudio(4).eqMode); }, "-1"},
        {"[EO1LP99999]", [](auto& m) { return text(m.zoneAudio(1).lowpass); }, "99999"},
        {"[VO1F1]", [](auto& m) { return text(m.zoneAudio(1).volumeLocked); }, "1"},
        {"[VO1F01]", [](auto& m) { return text(m.zoneAudio(1).volumeLocked); }, "0"},
        {"[VO1F2]", [](auto& m) { return text(m.zoneAudio(1).volumeLocked); }, "0"},
        {"[EO5P300]", [](auto& m) { return text(m.zoneAudio(5).systemEqPreset); }, "44"},
        {"[NEP2\"A preset name longer than sixteen\"]", [](auto& m) { return m.preset(2).name; },
         "A preset name longer than sixteen"},
        {"[EP3B4L-7]", [](auto& m) { return text(m.preset(3).band(4)); }, "-7"},
        {"[NF3\"My \"Best\" Mix\"]", [](auto& m) { return m.favoriteName(3); }, "My \"Best\" Mix"},
        {"[NG10\"Group with a long name\"]", [](auto& m) { return m.groupName(10); },
         "Group with a lon"},
        {"[NO2\"A very long zone name\"]", [](auto& m) { return m.zoneName(2); },
         "A very long zone"},
        {"[NO2\"A very long zone name\"]", [](auto& m) { return text(m.zoneCount()); }, "2"},
        {"[NI9\"Tuner\"]", [](auto& m) { return m.sourceName(9); }, "Tuner"},
        {"[NI9\"Tuner\"]", [](auto& m) { return text(m.sourceCount()); }, "9"},
        {"[NO5\"\"]", [](auto& m) { return text(m.zoneCount()); }, "5"},
        {"[NO40\"x\"]", [](auto& m) { return text(m.zoneCount()); }, "16"},
        {"[NI0\"x\"]", [](auto& m) { return text(m.sourceCount()); }, "0"},
        {"[G2AO5]", [](auto& m) { return m.groupMark(2, 5); }, "G"},
        {"[F3AO4I5]", [](auto& m) { return m.connection(3, 5, 4); }, "A"},
        {"[FPL1]", [](auto& m) { return text(m.frontPanelLocked()); }, "1"},
        {"[FPL01]", [](auto& m) { return text(m.frontPanelLocked()); }, "0"},
        {"[IRL1]", [](auto& m) { return text(m.irLockout()); }, "1"},
        {"[SD2]", [](auto& m) { return text(m.displayLevel()); }, "2"},
        {"[SD9]", [](auto& m) { return text(m.displayLevel()); }, "3"},
        {"[SD200]", [](auto& m) { return text(m.displayLevel()); }, "0"},
        {"[SD259]", [](auto& m) { return text(m.displayLevel()); }, "3"},
        {"[DHCP1]", [](auto& m) { return text(m.network().dhcp); }, "1"},
        {"[IP0.0.0.0]", [](auto& m) { return m.network().ipAddress; }, "0.0.0.0"},
        {"[IP]", [](auto& m) { return m.network().ipAddress; }, "IPAddress"},
        {"[NM255.0.0.0]", [](auto& m) { return m.network().netmask; }, "255.0.0.0"},
        {"[GW1.1.1.1]", [](auto& m) { return m.network().gateway; }, "1.1.1.1"},
        {"[NO1\"[VO1R5]\"]", volume(1), "5"},
        {"[NO1\"[VO1R5]\"]", [](auto& m) { return text(m.zoneCount()); }, "-1"},
        {"[FPL1][SD2]", [](auto& m) { return text(m.displayLevel()); }, "0"},
        {"[NO7\"Den\xFFHidden\"]", [](auto& m) { return m.zoneName(7); }, "Den"},
        {std::string("[NO7\"a\0b\"]", 10), [](auto& m) { return m.zoneName(7); },
         std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ConfigModel model = resetModelCopy();
        readLines(model, {c.line});
        EXPECT_EQ(c.read(model), c.expected);
    }
}

TEST(LineReader, LaterLinesAddWithoutClearing)
{
    ConfigModel model = resetModelCopy();
    model.setZoneName(1, "Before");
    const LogLines log = readLines(
        model, {"[EO2B3L5]", "[NO1\"\"]", "[IP]", "[EO2M1]", "[VO2R-3]", "[VO2R-4]", "[NO3\"C\"]"});
    EXPECT_EQ(log.size(), 7u);
    EXPECT_EQ(model.zoneAudio(2).band(3), 5);
    EXPECT_TRUE(model.zoneAudio(2).audioKnown);
    EXPECT_EQ(model.zoneAudio(2).volume, -4);
    EXPECT_EQ(model.zoneName(1), "Before");
    EXPECT_EQ(model.zoneCount(), 3);
    EXPECT_EQ(model.network().ipAddress, "IPAddress");
}

TEST(LineReader, FailedConversionKeepsWhatWasStoredBefore)
{
    const std::string huge = "99999999999999999999999999999999999999999999999999";
    ConfigModel model = resetModelCopy();
    ConfigModel expected = model;

    // Bass is stored before the treble fails.
    EXPECT_EQ(readLines(model, {"[TO1B5T" + huge + "]"}).size(), 3u);
    expected.zoneAudio(1).bass = -5;
    // The audio-known flag is set before the mode fails.
    readLines(model, {"[EO2M" + huge + "]"});
    expected.zoneAudio(2).audioKnown = true;
    // A failing zone number stores nothing at all, count included.
    for (const std::string& line :
         {"[NO" + huge + "\"x\"]", "[NI" + huge + "\"x\"]", std::string("[EO3LP2147483648]"),
          "[BO1L" + huge + "]", "[F1AO1I" + huge + "]", "[EP1B" + huge + "L1]"}) {
        SCOPED_TRACE(line);
        const LogLines log = readLines(model, {line});
        ASSERT_EQ(log.size(), 3u);
        EXPECT_EQ(log[1], "Error parsing: " + line);
        EXPECT_EQ(log[2], "Didn't Handle: " + line);
    }
    EXPECT_TRUE(sameModel(expected, model));
}

TEST(LineReader, NumbersOutsideTheTablesAreLoggedAndDropped)
{
    const std::vector<std::string> lines = {
        "[VO0R-5]",     "[VO17R-5]",  "[EO1B0L5]",  "[EO1B11L5]", "[EO99M1]",         "[TO17B1T1]",
        "[BO0L5]",      "[BO17R5]",   "[EO17LP40]", "[VO17F1]",   "[EO0P3]",          "[NEP0\"x\"]",
        "[NEP11\"x\"]", "[EP11B1L1]", "[EP1B11L1]", "[EP0B0L1]",  "[NF0\"x\"]",       "[NF11\"x\"]",
        "[NG11\"x\"]",  "[G0AO1]",    "[G11AO1]",   "[G1AO17]",   "[F0AO1I1]",        "[F11AO1I1]",
        "[F1AO17I1]",   "[F1AO1I0]",  "[F1AO1I17]", "[RPO99I99]", "[EO2147483647M1]",
    };
    const ConfigModel fresh = resetModelCopy();
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        ConfigModel model = fresh;
        const LogLines log = readLines(model, {line});
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].rfind("Didn't Handle", 0), std::string::npos);
        EXPECT_EQ(log[0].rfind("Error parsing", 0), std::string::npos);
        EXPECT_TRUE(sameModel(fresh, model));
    }

    // Name lines beyond the table store no name but still raise the count, capped at 16.
    ConfigModel model = fresh;
    readLines(model, {"[NO40\"x\"]", "[NI17\"y\"]"});
    ConfigModel expected = fresh;
    expected.raiseZoneCount(16);
    expected.raiseSourceCount(16);
    EXPECT_TRUE(sameModel(expected, model));
}

TEST(LineReader, SurvivesHostileBytes)
{
    const std::string megabyteName(1 << 20, 'N');
    ConfigModel model = resetModelCopy();
    LogLines log = readLines(model, {"[NO1\"" + megabyteName + "\"]"});
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].size(), std::string("Zone: 1 Name: ").size() + megabyteName.size());
    EXPECT_EQ(model.zoneName(1), std::string(16, 'N'));

    // A megabyte line of random bytes, and one of "[" and digits, give log lines and no harm.
    std::mt19937 random(7);
    std::string binary(1 << 20, '\0');
    for (char& c : binary)
        c = static_cast<char>(random());
    std::string brackets;
    for (int i = 0; i < 20000; ++i)
        brackets += "[VO" + std::string(60, '9');
    for (const std::string& line : {"[" + binary, brackets + "]", "[" + binary + "]"}) {
        log.clear();
        readLine(model, line, log);
        ASSERT_FALSE(log.empty());
        EXPECT_LE(log.size(), 3u);
    }
    log.clear();
    readText(model, binary + "\n" + binary, log);
    EXPECT_LE(model.zoneCount(), kMaxZones);
    EXPECT_LE(model.sourceCount(), kMaxSources);
}

TEST(TextReader, SplitsOnAnyLineEnd)
{
    struct Case {
        std::string text;
        std::vector<std::string_view> lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\n\n", {"", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(splitLines(c.text), c.lines);
    }
}

TEST(TextReader, ReadsOnlyLinesThatBeginWithABracketAndCountsTheSettings)
{
    ConfigModel model = resetModelCopy();
    LogLines log;
    const ReadSummary summary =
        readText(model,
                 "remark\r\n  [SD1]\r\n\r\n[SD2]\r[FPL1]\n Complete\n[EC]\n[NO1\"a][b\"]\n"
                 "[IRL1] [NO2\"x\"]",
                 log);
    // Only one command of a line is read; that the line holds more is named in the log.
    EXPECT_EQ(
        log, (LogLines{"Display: 2", "Front Panel: 1", "Didn't Handle: [EC]", "Zone: 1 Name: a][b",
                       "Zone: 2 Name: x", "More than one command on one line: [IRL1] [NO2\"x\"]"}));
    EXPECT_EQ(model.displayLevel(), 2);
    EXPECT_EQ(summary.linesRead, 5);
    EXPECT_EQ(summary.settingLines, 4);

    // Texts that store nothing: what an import of an empty or refused dump leaves, and lines
    // whose value the reader drops, even where they raise a count.
    const std::pair<std::string, int> nothingStored[] = {
        {"", -1},
        {")\r\n[QXSB]", -1},
        {"[CO1I1]\n[RPO1I2]\n[EC]\n[VO1R99999999999]", -1},
        {"[VO20R-12]\n[EO0M1]\n[EP11B1L2]\n[EP1B0L2]\n[G1AO17]\n[F1AO1I17]\n[IP]", -1},
        {"[NO99\"x\"]\n[NO5\"\"]\n[NF11\"y\"]\n[NEP1\"\xFFz\"]", 16},
    };
    for (const auto& [text, zoneCount] : nothingStored) {
        SCOPED_TRACE(text);
        ConfigModel empty = resetModelCopy();
        log.clear();
        EXPECT_EQ(readText(empty, text, log).settingLines, 0);
        EXPECT_EQ(empty.zoneCount(), zoneCount);
        EXPECT_EQ(empty.sourceCount(), -1);
    }
}

} // namespace
} // namespace zel::model
