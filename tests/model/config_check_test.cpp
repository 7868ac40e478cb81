// What the check reports of a configuration text, line by line.

#include "model/config_check.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/templates.h"

#include <gtest/gtest.h>

namespace zel::model {

void PrintTo(const CheckFinding& finding, std::ostream* out)
{
    *out << finding.line << ": " << finding.message;
}

namespace {

using Lines = std::vector<std::string>;
using Findings = std::vector<CheckFinding>;

// Two zones and two sources, both zones with an EQ mode, on lines 1 to 6: each case's lines
// follow from line 7.
const Lines kTwoByTwo = {"[NO1\"a\"]", "[NO2\"b\"]", "[NI1\"s\"]",
                         "[NI2\"t\"]", "[EO1M0]",    "[EO2M0]"};

Findings checkAfterTwoByTwo(const Lines& lines)
{
    Lines text = kTwoByTwo;
    text.insert(text.end(), lines.begin(), lines.end());
    return checkConfiguration(joinLines(text, "\r\n"));
}

TEST(ConfigCheck, ReportsEachProblemWithItsLine)
{
    struct Case {
        Lines lines;
        Findings findings;
    };
    const std::vector<Case> cases = {
        {{"[EO1M0]", "  [SD1]", "remark", "[XY1]", "[GAR]", "[FAR]", "[EC]"},
         {{7, "repeats line 5"},
          {8, "the reader passes over this line, as it does not begin with \"[\":   [SD1]"},
          {10, "the reader does not handle this line: [XY1]"}}},
        // A name line with an empty name (or one cut empty at 0xFF) is not converted by the
        // reader, yet its number is reported all the same.
        {{"[VO1R99999999999]", "[EO1LP-5]", "[NEP99999999999\"\"]", "[NF99999999999\"\"]",
          "[NG99999999999\"\"]", "[nep99999999999\"\xFF\"]", "[NG99999999999\"\xFFx\"] x"},
         {{7, "a number does not fit 32 bits, the reader cannot read this line: "
              "[VO1R99999999999]"},
          {8, "the reader does not handle this line: [EO1LP-5]"},
          {9, "a number does not fit 32 bits, the reader cannot read this line: "
              "[NEP99999999999\"\"]"},
          {10, "a number does not fit 32 bits, the reader cannot read this line: "
               "[NF99999999999\"\"]"},
          {11, "a number does not fit 32 bits, the reader cannot read this line: "
               "[NG99999999999\"\"]"},
          {12, "a number does not fit 32 bits, the reader cannot read this line: "
               "[nep99999999999\"\xFF\"]"},
          {13, "a number does not fit 32 bits, the reader cannot read this line: "
               "[NG99999999999\"\xFFx\"] x"}}},
        {{"[FPL1][SD2]", "[NO1\"[VO1R5]\"]", "[sd1]  "},
         {{7, "only [FPL1] is read, the rest of the line is ignored"},
          {8, "only [VO1R5] is read, the rest of the line is ignored"},
          {8, "volume 5 is outside -80..0"}}},
        {{"[VO1R5]", "[VO2R200]", "[BO1L81]", "[BO2R-1]", "[TO1B13T-12]", "[EO1B1L-11]"},
         {{7, "volume 5 is outside -80..0"},
          {8, "volume 200 is outside -80..0 (it is kept as -56)"},
          {9, "left balance 81 is outside 0..80"},
          {10, "right balance -1 is outside 0..80"},
          {11, "bass 13 is outside -12..12"},
          {12, "band level -11 is outside -10..10"}}},
        {{"[EO1LP39]", "[EO2LP241]", "[EP1B1L10]", "[EP1B2L11]", "[SD9]", "[EO1P11]"},
         {{7, "lowpass 39 is outside 40..240"},
          {8, "lowpass 241 is outside 40..240"},
          {10, "band level 11 is outside -10..10"},
          {11, "display level 9 is outside 0..3 (it is kept as 3)"},
          {12, "system EQ preset 11 is outside 0..10"}}},
        {{"[EO2M5]", "[FPL01]", "[VO1F2]", "[DHCP1]", "[IRL0]"},
         {{7, "EQ mode 5 is outside 0..4"},
          {7, "conflicts with line 6, the later line wins"},
          {8, "front-panel lock \"01\" reads as off, only \"1\" means on"},
          {9, "volume lock \"2\" reads as off, only \"1\" means on"}}},
        {{"[VO17R-5]", "[EO1B11L0]", "[EP0B1L0]", "[F11AO1I1]", "[F1AO1I17]", "[G1AO0]",
          "[NO40\"x\"]", "[NF0\"x\"]", "[RPO30I30]"},
         {{7, "zone 17 is outside 1..16, the reader drops the line"},
          {8, "band 11 is outside 1..10, the reader drops the line"},
          {9, "preset 0 is outside 1..10, the reader drops the line"},
          {10, "favorite 11 is outside 1..10, the reader drops the line"},
          {11, "source 17 is outside 1..16, the reader drops the line"},
          {12, "zone 0 is outside 1..16, the reader drops the line"},
          {13, "zone 40 is outside 1..16, the name is dropped"},
          {14, "favorite 0 is outside 1..10, the reader drops the line"}}},
        {{"[NO1\"A very long zone name\"]", "[NF2\"Sixteen chars ok\"]",
          "[NEP1\"A long preset name is kept\"]"},
         {{7, "zone name is cut to 16 characters: \"A very long zone\""},
          {7, "conflicts with line 1, the later line wins"}}},
        {{"[VO1R-20]", "[VO1R-20]", "[VO1R-12]", "[BO2L0]", "[BO2R0]", "[NG1\"x\"]", "[NG1\"y\"]",
          "[IP1.2.3.4]", "[IP]", "[IP1.2.3.5]"},
         {{8, "repeats line 7"},
          {9, "conflicts with line 8, the later line wins"},
          {11, "repeats line 10"},
          {13, "conflicts with line 12, the later line wins"},
          {16, "conflicts with line 14, the later line wins"}}},
        {{"[F2AO1I1]", "[F2AO1I2]", "[F2AO1I1]", "[F3AO1I2]", "[G1AO2]", "[G1AO2]"},
         {{8, "favorite 2 already gives zone 1 source 1 on line 7"},
          {9, "repeats line 7"},
          {12, "repeats line 11"}}},
        {{"[VO3R-5]", "[F1AO3I1]", "[F1AO1I3]", "[G1AO4]", "[EO5M1]", "[NO3\"c\"]", "[VO4R-5]"},
         {{7, "zone 3 has no EQ-mode line, an export leaves its audio settings out"},
          {9, "source 3 lies beyond the source count (2), an export leaves this out"},
          {10, "zone 4 lies beyond the zone count (3), an export leaves this out"},
          {11, "zone 5 lies beyond the zone count (3), an export leaves this out"},
          {13, "zone 4 lies beyond the zone count (3), an export leaves this out"}}},
        // Names and addresses that a file or a unit cannot carry back as they are.
        {{"[NF1\"a]b\"]", "[NEP2\"[QXSB]\"]", "[NM255.0.0.0]x]", "[NG3\"tab\there\"]", "[GW\x7F]"},
         {{7, "favorite name \"a]b\" holds \"]\", which a configuration line cannot carry"},
          {8, "preset name \"[QXSB]\" holds \"[\", which a configuration line cannot carry"},
          {9, "netmask \"255.0.0.0]x\" holds \"]\", which a configuration line cannot carry"},
          {10, "group name \"tab\\x09here\" holds a control code (\\x09), which a "
               "configuration line cannot carry"},
          {11, "gateway \"\\x7F\" holds a control code (\\x7F), which a configuration line "
               "cannot carry"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.front());
        EXPECT_EQ(checkAfterTwoByTwo(c.lines), c.findings);
    }
}

TEST(ConfigCheck, BareSettingsAndCountsWithoutZones)
{
    // A text with no zone-name lines has no zones to write settings for.
    EXPECT_EQ(checkConfiguration("[SD1]\n[VO1R-5]\n[NI1\"\xFF\"]\n"),
              (Findings{{2, "zone 1 lies beyond the zone count (none), an export leaves this out"},
                        {3, "only [NI1\"\"] is read, the rest of the line is ignored"}}));
    EXPECT_EQ(checkConfiguration(""), Findings{});
    // Zone settings need no source count.
    EXPECT_EQ(checkConfiguration("[NO1\"a\"]\n[EO1M0]\n[VO1R-5]\n[G1AO1]"), Findings{});
    // Line numbers follow the reader: CR, LF and CR LF each end one line.
    EXPECT_EQ(checkConfiguration("[SD0]\r[XX]\r\n\n[YY]"),
              (Findings{{2, "the reader does not handle this line: [XX]"},
                        {4, "the reader does not handle this line: [YY]"}}));
    // Long and binary lines are shown cut and escaped.
    EXPECT_EQ(checkConfiguration("[Q\x01" + std::string(100, 'x')),
              (Findings{{1, "the reader does not handle this line: [Q\\x01" + std::string(57, 'x') +
                                "..."}}));
}

TEST(ConfigCheck, TemplatesAndExportsAreClean)
{
    for (const UnitSize size : {UnitSize::Zel8, UnitSize::Zel16}) {
        SCOPED_TRACE(static_cast<int>(size));
        const Lines lines = templateLines(size);
        EXPECT_EQ(checkConfiguration(joinLines(lines, "\r\n")), Findings{});

        // A filled configuration, exported: every mode, a locked zone, groups, favorites.
        Lines filled = lines;
        filled.insert(filled.end(), {"[SD2]", "[EO1M1]", "[EO1B3L5]", "[EO2M2]", "[EO2P3]",
                                     "[EO3M3]", "[TO3B6T-4]", "[EO4M4]", "[EO4LP120]", "[VO5F1]",
                                     "[BO6L20]", "[G1AO1]", "[F1AO2I3]", "[F4AO8I8]", "[DHCP0]",
                                     "[NF1\"A favorite with a long name\"]"});
        ConfigModel model;
        resetModel(model);
        LogLines log;
        readText(model, joinLines(filled, "\n"), log);
        EXPECT_EQ(checkConfiguration(joinLines(writeConfiguration(model), "\r\n")), Findings{});
    }
}

} // namespace
} // namespace zel::model
