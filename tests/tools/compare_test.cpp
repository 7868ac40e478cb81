// zeltool diff and check on files: exit codes and what they print.

#include "tool_runner.h"

#include "model/config_writer.h"
#include "model/templates.h"

#include <gtest/gtest.h>

namespace zel::tool::test {
namespace {

std::string zel8(const std::vector<std::string>& extra)
{
    std::vector<std::string> lines = model::templateLines(model::UnitSize::Zel8);
    lines.insert(lines.end(), extra.begin(), extra.end());
    return model::joinLines(lines, "\r\n");
}

TEST(ZeltoolDiff, ExitStatusAndDifferences)
{
    const TemporaryFolder folder;
    const std::string a = folder.file("a.zel");
    const std::string b = folder.file("b.zel");
    // The three texts that read back differently, and a name cut on export.
    writeFile(a, zel8({"[BO1L0]", "[VO2F1]", "[VO2R-30]", "[NF3\"\"]",
                       "[NO4\"A very long zone name\"]"}));
    const std::string exported = folder.file("exported.zel");
    ASSERT_EQ(runZeltool({"write", a, "-o", exported}).exitCode, 0);

    const ToolRun same = runZeltool({"diff", a, exported});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(same.err, "");

    writeFile(b, zel8({"[VO3R-20]", "[F2AO5I3]", "[NI4\"CD\"]"}));
    const ToolRun different = runZeltool({"diff", b, "-"}, zel8({"[VO3R-12]", "[NI4\"Tuner\"]"}));
    EXPECT_EQ(different.exitCode, 1);
    EXPECT_EQ(different.out, "Source 4 name: \"CD\" -> \"Tuner\"\n"
                             "Zone 3 volume: -20 -> -12\n"
                             "Favorite 2: zone 5 plays source 3 (removed)\n");
    EXPECT_EQ(different.err, "");

    const ToolRun changedVolume = runZeltool({"diff", "-", b}, zel8({"[VO3R-12]"}));
    EXPECT_EQ(changedVolume.exitCode, 1);
    EXPECT_NE(changedVolume.out.find("\nZone 3 volume: -12 -> -20\n"), std::string::npos)
        << changedVolume.out;
}

TEST(ZeltoolDiff, TroubleIsExitTwo)
{
    const TemporaryFolder folder;
    const std::string a = folder.file("a.zel");
    writeFile(a, zel8({}));
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"diff", a}, "zeltool: diff: missing argument"},
        {{"diff", a, folder.file("none.zel")}, "zeltool: cannot read '" + folder.file("none.zel")},
        {{"diff", folder.path().string(), a}, "zeltool: cannot read '" + folder.path().string()},
        {{"diff", "-", "-"}, "zeltool: diff: standard input can be only one side"},
        {{"check", folder.file("none.zel")}, "zeltool: cannot read '" + folder.file("none.zel")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const ToolRun run = runZeltool(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
    }
    EXPECT_EQ(runZeltool({"diff", a, a}, "", "/dev/full").exitCode, 0); // nothing to write
    const ToolRun full = runZeltool({"check", "-"}, "[XX]\n", "/dev/full");
    EXPECT_EQ(full.exitCode, 2);
    EXPECT_EQ(full.err, "zeltool: cannot write to standard output\n");
}

TEST(ZeltoolCheck, ReportsOneOfEachProblemWithFileAndLine)
{
    const TemporaryFolder folder;
    const std::string path = folder.file("unit.zel");
    writeFile(path, zel8({"[XY]", "[VO1R5]", "[NO2\"A very long zone name\"]", "[F1AO1I1]",
                          "[F1AO1I2]", "[VO1R99999999999]"}));
    const ToolRun run = runZeltool({"check", path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "");
    const std::string at = path + ":";
    EXPECT_EQ(run.out, at + "186: the reader does not handle this line: [XY]\n" + at +
                           "187: volume 5 is outside -80..0\n" + at +
                           "187: conflicts with line 150, the later line wins\n" + at +
                           "188: zone name is cut to 16 characters: \"A very long zone\"\n" + at +
                           "188: conflicts with line 151, the later line wins\n" + at +
                           "190: favorite 1 already gives zone 1 source 1 on line 189\n" + at +
                           "191: a number does not fit 32 bits, the reader cannot read this line: "
                           "[VO1R99999999999]\n");

    const ToolRun clean = runZeltool({"check", "-"}, zel8({}));
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_EQ(clean.out, "");
    const ToolRun fromInput = runZeltool({"check", "-"}, "[SD7]\n");
    EXPECT_EQ(fromInput.out, "(standard input):1: display level 7 is outside 0..3 (it is kept "
                             "as 3)\n");
}

TEST(ZeltoolCompare, HelpDocumentsTheRules)
{
    const ToolRun help = runZeltool({"--help"});
    for (const char* usage : {"zeltool diff A B", "zeltool check FILE"})
        EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
    const ToolRun diffHelp = runZeltool({"diff", "--help"});
    EXPECT_EQ(diffHelp.exitCode, 0);
    for (const char* rule : {"locked zone's volume", "L0 or R0", "single blank", "(added)"})
        EXPECT_NE(diffHelp.out.find(rule), std::string::npos) << rule;
}

} // namespace
} // namespace zel::tool::test
