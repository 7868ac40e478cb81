// The parts of the check on their own: how a line is shown, what the model keeps of a field and
// what the check says of a line's own values.

#include "model/check_field_values.h"
#include "model/check_line_text.h"

#include <gtest/gtest.h>

namespace zel::model {
namespace {

TEST(CheckParts, LinesAreShownCutAndEscaped)
{
    const std::string sixty(60, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {"[SD1]", "[SD1]"},
        {sixty, sixty},
        {sixty + "y", sixty + "..."},
        {"a\x01"
         "b\tc",
         "a\\x01b\\x09c"},
    };
    for (const auto& [line, shown] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(shownLine(line), shown);
        EXPECT_EQ(quotedLine(line), "\"" + shown + "\"");
    }
    EXPECT_EQ(withoutTrailingBlanks("[EC] \t "), "[EC]");
    EXPECT_EQ(withoutTrailingBlanks(" \t"), "");
    for (const char* marker : {"[GAR]", "[far]", "[Ec]"})
        EXPECT_TRUE(isExportMarker(marker)) << marker;
    for (const char* other : {"[GAR] ", "[EC]x", "[QXSB]", ""})
        EXPECT_FALSE(isExportMarker(other)) << other;
}

TEST(CheckParts, KeptValuesAndTheLinesOwnProblems)
{
    struct Case {
        CommandMatch match;
        std::size_t field;
        std::string kept;
        std::vector<std::string> problems;
        bool numbersFit = true;
    };
    const std::string name17 = "Seventeen chars!!";
    const std::vector<Case> cases = {
        {{Command::Volume, {"1", "-12"}}, 1, "-12", {}},
        {{Command::Volume, {"1", "200"}},
         1,
         "-56",
         {"volume 200 is outside -80..0 (it is kept as -56)"}},
        {{Command::Tone, {"1", "13", "-2"}}, 1, "13", {"bass 13 is outside -12..12"}},
        {{Command::BalanceLeft, {"1", "81"}}, 1, "81", {"left balance 81 is outside 0..80"}},
        {{Command::Display, {"9"}}, 0, "3", {"display level 9 is outside 0..3 (it is kept as 3)"}},
        {{Command::FrontPanel, {"2"}},
         0,
         "0",
         {"front-panel lock \"2\" reads as off, only \"1\" means on"}},
        {{Command::FrontPanel, {"1"}}, 0, "1", {}},
        {{Command::ZoneName, {"3", name17}},
         1,
         name17.substr(0, 16),
         {"zone name is cut to 16 characters: \"Seventeen chars!\""}},
        {{Command::Volume, {"1", "99999999999"}}, 0, "1", {}, false},
        {{Command::GroupName, {"99999999999", ""}}, 1, "", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(commandLine(c.match.command, c.match.fields));
        EXPECT_EQ(numbersFit(c.match.command, c.match.fields), c.numbersFit);
        EXPECT_EQ(keptText(c.match, c.field), c.kept);
        if (c.numbersFit) {
            EXPECT_EQ(valueProblems(c.match), c.problems);
        }
    }
}

} // namespace
} // namespace zel::model
