// zeltool given files that are not a configuration or cannot be read or written, and units that
// are not there: one message and the exit code that says so, or a text read without harm, never
// past what a configuration can hold nor past the time-out given, and an existing file left as
// it was.

#include "tool_runner.h"

#include "link/absent_units.h"
#include "support/file_faults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::tool::test {
namespace {

namespace fs = std::filesystem;
bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// Runs zeltool as the user "nobody", so that file permissions apply when the tests run as
// root. Gives nothing when that cannot be done here.
std::optional<ToolRun> runZeltoolAsOrdinaryUser(const std::vector<std::string>& arguments)
{
    if (::geteuid() != 0)
        return runZeltool(arguments);
    const char* setpriv = "/usr/bin/setpriv";
    if (::access(setpriv, X_OK) != 0)
        return std::nullopt;
    std::vector<std::string> words = {"--reuid=65534", "--regid=65534", "--clear-groups", "--",
                                      ZELTOOL_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    ToolRun run = runProgram(setpriv, words);
    if (run.exitCode == 126 || run.exitCode == 127) // nobody may not reach the program
        return std::nullopt;
    return run;
}

// A temporary folder an ordinary user may look into but not write to.
void openToReaders(const TemporaryFolder& folder)
{
    fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read |
                                       fs::perms::others_exec);
}

TEST(ZeltoolBadFiles, ReadingGivesOneMessageOrTakesTheTextAtOnce)
{
    const TemporaryFolder folder;
    openToReaders(folder);
    const std::string megabyte(1024 * 1024, 'x');
    struct Case {
        const char* what;
        std::function<std::string()> make; // makes the file and gives its path
        std::string error;                 // the reason after the path; empty: read
    };
    const std::vector<Case> cases = {
        {"empty file",
         [&] {
             writeFile(folder.file("empty.zel"), "");
             return folder.file("empty.zel");
         },
         {}},
        {"binary file",
         [&] {
             writeFile(folder.file("binary.zel"), zel::test::randomBytes(512 * 1024));
             return folder.file("binary.zel");
         },
         {}},
        {"lines of 1 MB",
         [&] {
             writeFile(folder.file("long.zel"),
                       "[NO2\"" + megabyte + "\"]\r\n[SD" + megabyte + "]\r\n" + megabyte + "\r\n");
             return folder.file("long.zel");
         },
         {}},
        {"50 MB file",
         [&] {
             writeFile(folder.file("huge.zel"), "");
             fs::resize_file(folder.file("huge.zel"), 50 * 1024 * 1024);
             return folder.file("huge.zel");
         },
         "larger than a configuration file can be (4194304 bytes at most)"},
        {"a device that never ends", [] { return std::string("/dev/zero"); },
         "larger than a configuration file can be (4194304 bytes at most)"},
        {"no read permission",
         [&] {
             writeFile(folder.file("secret.zel"), "[SD1]\r\n");
             fs::permissions(folder.file("secret.zel"), fs::perms::owner_write);
             return folder.file("secret.zel");
         },
         "Permission denied"},
    };
    for (const Case& c : cases) {
        const std::string path = c.make();
        for (const char* command : {"read", "write", "check"}) {
            SCOPED_TRACE(std::string(command) + ": " + c.what);
            const std::optional<ToolRun> run = runZeltoolAsOrdinaryUser({command, path});
            if (!run)
                GTEST_SKIP() << "cannot run zeltool as an ordinary user here";
            if (c.error.empty()) {
                // "check" exits 1 when it has findings to print.
                EXPECT_TRUE(run->exitCode == 0 ||
                            (std::string(command) == "check" && run->exitCode == 1))
                    << run->exitCode << " " << run->err;
                EXPECT_EQ(run->err, "");
            } else {
                EXPECT_EQ(run->exitCode, 2);
                EXPECT_EQ(run->out, "");
                EXPECT_EQ(run->err, "zeltool: cannot read '" + path + "': " + c.error + "\n");
            }
        }
    }
}

TEST(ZeltoolBadFiles, SaveIntoAFolderWithoutWritePermissionWritesAWritableFileInPlace)
{
    struct Case {
        const char* what;
        bool fileWritable;
    };
    for (const Case& c : {Case{"writable file", true}, Case{"read-only file", false}}) {
        SCOPED_TRACE(c.what);
        const TemporaryFolder folder;
        writeFile(folder.file("in.zel"), "[SD1]\r\n[NO1\"Hall\"]\r\n");
        writeFile(folder.file("out.zel"), "old\r\n");
        fs::permissions(folder.file("out.zel"),
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read |
                            (c.fileWritable ? fs::perms::others_write : fs::perms::none));
        openToReaders(folder);
        const std::optional<ToolRun> run = runZeltoolAsOrdinaryUser(
            {"write", folder.file("in.zel"), "-o", folder.file("out.zel")});
        if (!run)
            GTEST_SKIP() << "cannot run zeltool as an ordinary user here";
        if (c.fileWritable) {
            EXPECT_EQ(run->exitCode, 0) << run->err;
            EXPECT_TRUE(startsWith(readFile(folder.file("out.zel")), "[SD1]\r\n"));
        } else {
            EXPECT_EQ(run->exitCode, 1);
            EXPECT_TRUE(
                startsWith(run->err, "zeltool: cannot write '" + folder.file("out.zel") + "': "))
                << run->err;
            EXPECT_NE(run->err.find("not writable"), std::string::npos) << run->err;
            EXPECT_EQ(readFile(folder.file("out.zel")), "old\r\n");
        }
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"in.zel", "out.zel"}));
    }
}

TEST(ZeltoolBadFiles, UnitThatIsNotThereIsExitTwoWithinTheTimeOut)
{
    const zel::test::UnansweredListener unanswered;
    ASSERT_TRUE(unanswered.isReady());
    const std::string unknown = zel::test::kUnknownHost.toStdString();
    const std::string silent = unanswered.host().toStdString();
    struct Case {
        std::string host;
        std::string reason;
    };
    const Case cases[] = {
        {unknown, "Host not found"},
        {silent, "No answer from the host within 0.3 seconds"},
    };
    for (const Case& c : cases) {
        for (const char* command : {"import", "export"}) {
            SCOPED_TRACE(std::string(command) + " " + c.host);
            std::vector<std::string> arguments = {command};
            if (std::string(command) == "export")
                arguments.push_back(std::string(ZELTOOL_TEST_DATA) + "/filled_zel16.zel");
            arguments.insert(arguments.end(), {"--tcp", c.host, "--timeout", "0.3"});
            const ToolRun run = runZeltool(arguments);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_EQ(run.err, "zeltool: cannot reach tcp:" + c.host + ": " + c.reason + "\n");
        }
    }
}

} // namespace
} // namespace zel::tool::test
