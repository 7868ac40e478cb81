// The expressions: which command each line carries, and how captures are split.

#include "model/command_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace zel::model {
namespace {

struct Sample {
    Command command;
    std::string line;
    const char* log; // null: accepted silently
};

// One well-formed line per command, in upper case, with the log line its match gives.
const std::vector<Sample> kSamples = {
    {Command::Volume, "[VO1R-12]", "Zone: 1 Volume: -12"},
    {Command::ZoneEqBand, "[EO2B3L-4]", "Zone: 2 EQ: 3 Level: -4"},
    {Command::Tone, "[TO2B5T-3]", "Zone: 2 Bass: 5 Treble: -3"},
    {Command::BalanceLeft, "[BO3L5]", "Zone: 3 Left Balance: 5"},
    {Command::BalanceRight, "[BO3R-5]", "Zone: 3 Right Balance: -5"},
    {Command::EqMode, "[EO1M0]", "Zone: 1 Mode: 0"},
    {Command::Lowpass, "[EO1LP40]", "Zone: 1 Lowpass: 40"},
    {Command::VolumeLock, "[VO4F01]", "Zone: 4 Locked: 01"},
    {Command::SystemEqPreset, "[EO1P1]", "Zone: 1 System EQ: 1"},
    {Command::PresetName, "[NEP10\"Preset Name 10\"]", "EQ Preset: 10 Name: Preset Name 10"},
    {Command::PresetBand, "[EP1B1L0]", "EQ: 1 Band: 1 Level: 0"},
    {Command::FavoriteName, "[NF3\"Mix\"]", "Favorite: 3 Name: Mix"},
    {Command::GroupName, "[NG2\"Upstairs\"]", "Group: 2 Name: Upstairs"},
    {Command::ZoneName, "[NO2\"A very long zone name\"]", "Zone: 2 Name: A very long zone name"},
    {Command::SourceName, "[NI16\"Tuner\"]", "Source: 16 Name: Tuner"},
    {Command::Restrict, "[RPO2I7]", "Restrict - Zone: 2 Source: 7"},
    {Command::GroupMember, "[G10AO16]", "Group: 10 Zone: 16"},
    {Command::FavoriteConnection, "[F1AO2I3]", "Favorite: 1 - Zone: 2 Source: 3"},
    {Command::FrontPanel, "[FPL1]", "Front Panel: 1"},
    {Command::IrLockout, "[IRL0]", "IR Lockout: 0"},
    {Command::Display, "[SD9]", "Display: 9"},
    {Command::Dhcp, "[DHCP1]", "DHCP: 1"},
    {Command::IpAddress, "[IP192.168.0.7]", "IP: 192.168.0.7"},
    {Command::Netmask, "[NM255.255.255.0]", "Netmask: 255.255.255.0"},
    {Command::Gateway, "[GW10.0.0.1]", "Gateway: 10.0.0.1"},
    {Command::Request, "[QXSB]", nullptr},
    {Command::ZoneSource, "[CO1I1]", nullptr},
};

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

TEST(CommandTable, EachWellFormedLineMatchesItsOwnExpressionOnly)
{
    ASSERT_EQ(kSamples.size(), kCommandCount);
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(sample.line);
        for (const std::string& line :
             {sample.line, lowerCase(sample.line), "x " + sample.line + " y"}) {
            const auto match = matchCommand(line);
            ASSERT_TRUE(match.has_value()) << line;
            EXPECT_EQ(match->command, sample.command) << line;
        }
        const auto match = matchCommand(sample.line);
        EXPECT_EQ(logLine(*match),
                  sample.log ? std::optional<std::string>(sample.log) : std::nullopt);
        // The written form of the fields taken is the line again.
        EXPECT_EQ(commandLine(sample.command, match->fields), sample.line);
        for (std::size_t other = 0; other < kCommandCount; ++other) {
            const auto command = static_cast<Command>(other);
            EXPECT_EQ(matchesExpression(command, sample.line), command == sample.command)
                << commandPattern(command);
        }
    }
}

TEST(CommandTable, LinesOutsideTheLanguageMatchNothing)
{
    const std::vector<std::string> lines = {
        "",         "[",         "[EC]",      "[GAR]",    "[FAR]",       "[EO1LP-5]", "[VO 1R5]",
        "[VO+1R5]", "[VO1R+5]",  "[VO1R5",    "VO1R5]",   "[SD]",        "[SD-1]",    "[EO-1M0]",
        "[G1A02]",  "[NO1Name]", "[NO\"x\"]", "[VO1R5 ]", "[EO1B1L1.5]", "[TO1B T1]",
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(matchCommand(line).has_value());
    }
}

TEST(CommandTable, FirstMatchingExpressionDecides)
{
    struct Case {
        std::string line;
        Command command;
        CommandFields fields;
    };
    const std::vector<Case> cases = {
        {"[FPL1][SD2]", Command::FrontPanel, {"1", "", ""}},
        {"[SD2][FPL1]", Command::FrontPanel, {"1", "", ""}},
        {"[NO1\"[VO1R5]\"]", Command::Volume, {"1", "5", ""}},
        {"[IP1.2.3.4][NO1\"a\"]", Command::ZoneName, {"1", "a", ""}},
        // Greedy names and texts reach the last quote, or the last "]".
        {"[NF3\"My \"Best\" Mix\"]", Command::FavoriteName, {"3", "My \"Best\" Mix", ""}},
        {"[NO1\"a\"] [NO2\"b\"]", Command::ZoneName, {"1", "a\"] [NO2\"b", ""}},
        {"[IP1.2.3.4]junk]", Command::IpAddress, {"1.2.3.4]junk", "", ""}},
        {"[IP]", Command::IpAddress, {"", "", ""}},
        {"[CONFIG]", Command::ZoneSource, {"NFIG", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto match = matchCommand(c.line);
        ASSERT_TRUE(match.has_value());
        EXPECT_EQ(match->command, c.command);
        EXPECT_EQ(match->fields, c.fields);
    }
}

TEST(CommandTable, CaptureSplittingCutsAtTheFirstFFAndShiftsTheRest)
{
    struct Case {
        std::string first, second, third;
        CommandFields fields;
    };
    const std::vector<Case> cases = {
        {"1", "name", "", {"1", "name", ""}},
        {"1", "na\xFFme", "", {"1", "na", "me"}},
        {"1",
         "a\xFF"
         "b\xFF"
         "c",
         "",
         {"1", "a", "b"}},
        {"1.2\xFF"
         "3",
         "",
         "",
         {"1.2", "3", ""}},
        {"\xFF", "x", "y", {"", "", "x"}},
        {"", "", "", {"", "", ""}},
        {std::string("a\0b", 3), "", "", {std::string("a\0b", 3), "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first + "|" + c.second + "|" + c.third);
        EXPECT_EQ(splitCaptures(c.first, c.second, c.third), c.fields);
    }
    const auto match = matchCommand("[NO7\"Den\xFFHidden\"]");
    ASSERT_TRUE(match.has_value());
    EXPECT_EQ(match->fields, (CommandFields{"7", "Den", "Hidden"}));
}

} // namespace
} // namespace zel::model
