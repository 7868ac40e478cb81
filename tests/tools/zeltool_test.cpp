// zeltool as a user runs it: exit codes, messages and the bytes it prints or saves.

#include "tool_runner.h"

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/templates.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zel::tool::test {
namespace {

namespace fs = std::filesystem;

// A configuration with every kind of line end, a remark, a fault and bytes outside ASCII.
const std::string kConfiguration = "[SD2]\r\n[NO1\"K\xE4"
                                   "che\xFFx\"]\n[NI2\"CD\"]\r[EO1M3]\r\n"
                                   "[TO1B4T-2]\nremark\n[EC]\n[VO1R" +
                                   std::string(50, '9') + "]\r\n" +
                                   std::string("[NO2\"a\0b\"]", 10);

std::string expectedLog(const std::string& text)
{
    model::ConfigModel model;
    model::resetModel(model);
    model::LogLines log;
    model::readText(model, text, log);
    return model::joinLines(log, "\n");
}

std::string expectedExport(const std::string& text, std::string_view lineEnd)
{
    model::ConfigModel model;
    model::resetModel(model);
    model::LogLines log;
    model::readText(model, text, log);
    return model::joinLines(model::writeConfiguration(model), lineEnd);
}

std::vector<std::string> folderEntries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Zeltool, RejectsBadUsageWithExitTwo)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{}, "no command given"},
        {{"bogus"}, "unknown command 'bogus'"},
        {{"read"}, "read: missing argument"},
        {{"read", "a", "b"}, "read: too many arguments"},
        {{"read", "a", "-o", "x"}, "read: option -o is not taken here"},
        {{"write", "a", "-x"}, "write: unknown option '-x'"},
        {{"write", "a", "-o"}, "write: option '-o' needs a file name"},
        {{"write", "a", "-o", "x", "-o", "y"}, "write: the output file is given twice"},
        {{"template", "9"}, "template: unknown unit size '9' (use 8 or 16)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const ToolRun run = runZeltool(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("zeltool: " + c.message + "\n", 0), 0u) << run.err;
    }
}

TEST(Zeltool, HelpListsEveryCommand)
{
    const ToolRun help = runZeltool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    for (const char* usage :
         {"zeltool read FILE", "zeltool write FILE [-o OUT]", "zeltool template 8|16 [-o OUT]"})
        EXPECT_NE(help.out.find(usage), std::string::npos) << usage;

    const ToolRun commandHelp = runZeltool({"write", "--help"});
    EXPECT_EQ(commandHelp.exitCode, 0);
    EXPECT_EQ(commandHelp.out.rfind("Usage: zeltool write FILE [-o OUT]\n", 0), 0u);
}

TEST(Zeltool, UnreadableInputGivesOneMessageAndExitTwo)
{
    const TemporaryFolder folder;
    const std::string plain = folder.file("plain.zel");
    writeFile(plain, "[SD1]\n");
    for (const std::string& path :
         {folder.file("missing.zel"), folder.path().string(), plain + "/below"}) {
        for (const char* command : {"read", "write"}) {
            SCOPED_TRACE(std::string(command) + " " + path);
            const ToolRun run = runZeltool({command, path});
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err.rfind("zeltool: cannot read '" + path + "': ", 0), 0u) << run.err;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
        }
    }
}

TEST(Zeltool, ReadPrintsTheReadersLogLineByLine)
{
    const TemporaryFolder folder;
    const std::string path = folder.file("unit.zel");
    writeFile(path, kConfiguration);
    const std::string log = expectedLog(kConfiguration);
    ASSERT_NE(log.find("Error parsing: [VO1R"), std::string::npos);

    const ToolRun fromFile = runZeltool({"read", path});
    EXPECT_EQ(fromFile.exitCode, 0);
    EXPECT_EQ(fromFile.out, log);
    EXPECT_EQ(fromFile.err, "");

    const ToolRun fromInput = runZeltool({"read", "-"}, kConfiguration);
    EXPECT_EQ(fromInput.exitCode, 0);
    EXPECT_EQ(fromInput.out, log);
}

TEST(Zeltool, WritePrintsOrSavesTheExport)
{
    const TemporaryFolder folder;
    const std::string in = folder.file("in.zel");
    const std::string out = folder.file("out.zel");
    writeFile(in, kConfiguration);

    const ToolRun printed = runZeltool({"write", in});
    EXPECT_EQ(printed.exitCode, 0);
    EXPECT_EQ(printed.out, expectedExport(kConfiguration, "\n"));

    // An existing file is replaced whole and keeps its permissions; no temporary file stays.
    writeFile(out, std::string(100000, 'x'));
    ::chmod(out.c_str(), 0640);
    const ToolRun saved = runZeltool({"write", in, "-o", out});
    EXPECT_EQ(saved.exitCode, 0);
    EXPECT_EQ(saved.out, "");
    EXPECT_EQ(readFile(out), expectedExport(kConfiguration, "\r\n"));
    EXPECT_EQ(fs::status(out).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folderEntries(folder.path()), (std::vector<std::string>{"in.zel", "out.zel"}));

    // A symbolic link is written through and stays a link, as the window saves.
    writeFile(out, "old\r\n");
    const std::string link = folder.file("link.zel");
    fs::create_symlink(out, link);
    EXPECT_EQ(runZeltool({"write", in, "-o", link}).exitCode, 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(out), expectedExport(kConfiguration, "\r\n"));
    fs::remove(link);

    // What was saved reads back to the same export.
    const ToolRun again = runZeltool({"write", out});
    EXPECT_EQ(again.out, printed.out);
}

TEST(Zeltool, FailedSaveLeavesTheExistingFileAndNoDebris)
{
    const TemporaryFolder folder;
    const std::string in = folder.file("in.zel");
    const std::string out = folder.file("out.zel");
    writeFile(in, kConfiguration);
    writeFile(out, "previous contents\r\n");

    // A file size limit below the export's size makes the write itself fail part-way.
    const ToolRun limited = runProgram(
        "/bin/sh", {"-c", "trap '' XFSZ; ulimit -f 2; exec \"$0\" write \"$1\" -o \"$2\"",
                    ZELTOOL_PATH, in, out});
    EXPECT_EQ(limited.exitCode, 1);
    EXPECT_EQ(limited.err.rfind("zeltool: cannot write '" + out + "': ", 0), 0u) << limited.err;
    EXPECT_EQ(readFile(out), "previous contents\r\n");

    // A folder in the way, and a folder that does not exist.
    fs::create_directory(folder.file("taken"));
    for (const std::string& target : {folder.file("taken"), folder.file("none/out.zel")}) {
        SCOPED_TRACE(target);
        const ToolRun run = runZeltool({"write", in, "-o", target});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("cannot write '" + target + "'"), std::string::npos);
    }
    EXPECT_TRUE(fs::is_directory(folder.file("taken")));
    EXPECT_EQ(folderEntries(folder.path()),
              (std::vector<std::string>{"in.zel", "out.zel", "taken"}));
}

TEST(Zeltool, FullStandardOutputIsAnError)
{
    const ToolRun run = runZeltool({"template", "16"}, "", "/dev/full");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "zeltool: cannot write to standard output\n");
}

TEST(Zeltool, TemplatePrintsTheBlankConfiguration)
{
    const TemporaryFolder folder;
    for (const auto& [size, unit] :
         {std::pair{"8", model::UnitSize::Zel8}, std::pair{"16", model::UnitSize::Zel16}}) {
        SCOPED_TRACE(size);
        const ToolRun printed = runZeltool({"template", size});
        EXPECT_EQ(printed.exitCode, 0);
        EXPECT_EQ(printed.out, model::joinLines(model::templateLines(unit), "\n"));

        const std::string out = folder.file(std::string("zel") + size + ".zel");
        EXPECT_EQ(runZeltool({"template", size, "--output=" + out}).exitCode, 0);
        EXPECT_EQ(readFile(out), model::joinLines(model::templateLines(unit), "\r\n"));
    }
}

} // namespace
} // namespace zel::tool::test
