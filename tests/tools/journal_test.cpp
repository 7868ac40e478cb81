// The unit journal as zeltool keeps it, against zelsim over loopback TCP and a pseudo-terminal:
// an entry for every configuration read from or sent to a unit, whole or not, and history.

#include "simulated_unit.h"
#include "tool_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

namespace zel::tool::test {
namespace {

using Link = SimulatedUnit::Link;

const std::string kFilled = std::string(ZELTOOL_TEST_DATA) + "/filled_zel16.zel";

std::string withoutCarriageReturns(std::string text)
{
    std::erase(text, '\r');
    return text;
}

TEST(ZeltoolJournal, KeepsWhatWentToOrCameFromTheUnitWholeOrNot)
{
    struct Case {
        Link link;
        std::vector<std::string> unitOptions;
        std::vector<std::string> command; // the unit's option and address follow
        std::string listed;               // the history line between the time and the unit
        std::string after;                // and after the unit
        std::string fetched = {};         // an export's read of the unit first, listed second
    };
    const std::string read = "whole fetch  231 lines\n";
    const std::string stopped = "incomplete send: the unit answered ERROR at line 134 of 515, "
                                "acknowledged up to line 133  497 lines\n";
    // clang-format off
    const std::vector<Case> cases = {
        {Link::Tcp, {"--config", kFilled}, {"import"}, "from", "whole fetch  495 lines\n"},
        {Link::Pty, {"--config", kFilled}, {"import"}, "from", "whole fetch  495 lines\n"},
        {Link::Tcp, {"--config", kFilled, "--silent-after", "40"}, {"import", "--timeout", "0.3"},
         "from", "incomplete fetch: no response in 0.3 seconds  40 lines\n"},
        // Sent after the read of the unit, which has an entry of its own.
        {Link::Tcp, {}, {"export", kFilled, "--other-model"}, "to", "whole send  497 lines\n", read},
        {Link::Pty, {}, {"export", kFilled, "--other-model"}, "to", "whole send  497 lines\n", read},
        {Link::Tcp, {"--error-on", "VO1R"}, {"export", kFilled, "--other-model"}, "to", stopped, read},
        {Link::Pty, {"--error-on", "VO1R"}, {"export", kFilled, "--other-model"}, "to", stopped, read},
        {Link::Tcp, {"--silent-after", "0"},
         {"export", kFilled, "--timeout", "0.3", "--other-model", "--force"}, "to",
         "incomplete send: time-out at line 0 of 515, acknowledged up to line 0  497 lines\n",
         "incomplete fetch: no response in 0.3 seconds  0 lines\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.front() + " " + c.listed + " " + c.after);
        const ScopedDataHome home;
        const SimulatedUnit unit(c.link, c.unitOptions);
        std::vector<std::string> command = c.command;
        command.insert(command.end(), {c.link == Link::Tcp ? "--tcp" : "--serial", unit.address()});
        const ToolRun transfer = runZeltool(command);

        const std::regex time("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d");
        const std::string side = (c.link == Link::Tcp ? "tcp:" : "serial:") + unit.address();
        EXPECT_EQ(std::regex_replace(runZeltool({"history"}).out, time, "TIME"),
                  "1  TIME  " + c.command.front() + "  " + c.listed + "  " + side + "  " + c.after +
                      (c.fetched.empty()
                           ? ""
                           : "2  TIME  as found before a send  from  " + side + "  " + c.fetched));

        // The entry's text is what was sent, or what the import printed.
        const TemporaryFolder folder;
        EXPECT_EQ(runZeltool({"history", "show", "1", "-o", folder.file("1.zel")}).exitCode, 0);
        const std::string expected = c.command.front() == "export"
                                         ? withoutCarriageReturns(readFile(kFilled))
                                         : transfer.out;
        EXPECT_EQ(withoutCarriageReturns(readFile(folder.file("1.zel"))), expected);
        EXPECT_EQ(runZeltool({"history", "show", "1"}).out, expected);
    }
}

TEST(ZeltoolJournal, HistoryListsNewestFirstAndRefusesWhatItDoesNotHold)
{
    const ScopedDataHome home;
    EXPECT_EQ(runZeltool({"history"}).out, ""); // an empty journal lists nothing
    const SimulatedUnit unit(Link::Tcp, {"--config", kFilled});
    // diff reads from the unit too; export reads it before sending, and --verify reads it back.
    runZeltool({"diff", "tcp:" + unit.address(), kFilled});
    runZeltool({"export", kFilled, "--tcp", unit.address(), "--verify", "--other-model"});
    // Each says why: the read back and diff's read compare, the read before the send is as found.
    EXPECT_TRUE(std::regex_match(
        runZeltool({"history"}).out,
        std::regex("1  [^\\n]*  compare  from [^\\n]*\\n2  [^\\n]*  export  to [^\\n]*\\n"
                   "3  [^\\n]*  as found before a send  from [^\\n]*\\n4  [^\\n]*  compare  from "
                   "[^\\n]*\\n")));

    for (const std::string word : {"5", "0", "x"}) {
        const ToolRun run = runZeltool({"history", "show", word});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, "zeltool: history show: no entry '" + word +
                               "'; the journal holds 4 (1 is the newest; 'zeltool history' lists "
                               "them)\n");
    }
}

TEST(ZeltoolJournal, AJournalThatCannotBeWrittenNeverStopsATransfer)
{
    const ScopedDataHome home;
    ::setenv("XDG_DATA_HOME", "/dev/null/data", 1); // no folder can be made there; `home` restores
    const SimulatedUnit unit(Link::Tcp);
    const ToolRun run = runZeltool({"export", kFilled, "--tcp", unit.address(), "--verify"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // Said once for the export and the read-back together.
    EXPECT_EQ(run.err, "zeltool: the journal cannot be written (cannot make the folder "
                       "/dev/null/data/ZEL Configuration/journal); the transfer goes on\n");
}

TEST(ZeltoolJournal, KeepsEveryEntryThroughACutIndexAndKeepsWhatTheUserKeeps)
{
    for (const Link link : {Link::Tcp, Link::Pty}) {
        SCOPED_TRACE(link == Link::Tcp ? "tcp" : "pty");
        const ScopedDataHome home;
        const SimulatedUnit unit(link, {"--config", kFilled});
        const std::vector<std::string> import = {"import", link == Link::Tcp ? "--tcp" : "--serial",
                                                 unit.address()};
        runZeltool(import);
        runZeltool(import);
        EXPECT_NE(runZeltool({"history", "keep", "2"}).out.find("whole fetch  495 lines  kept"),
                  std::string::npos);
        // The index cut as a full disk left it: rebuilt from the texts, nothing lost.
        std::filesystem::resize_file(home.folder.path() / "ZEL Configuration/journal/index.json",
                                     40);
        const std::string rebuilt = runZeltool({"history"}).out;
        EXPECT_EQ(std::count(rebuilt.begin(), rebuilt.end(), '\n'), 2) << rebuilt;
        runZeltool(import);
        const std::string listed = runZeltool({"history"}).out;
        EXPECT_TRUE(
            std::regex_match(listed, std::regex("(\\d  [^\\n]*  whole fetch  495 lines\\n){2}"
                                                "3  [^\\n]*  kept\\n")))
            << listed;
        EXPECT_EQ(runZeltool({"history", "unkeep", "3"}).exitCode, 0);
        EXPECT_EQ(runZeltool({"history"}).out.find("kept"), std::string::npos);
        EXPECT_EQ(runZeltool({"history", "keep", "4"}).exitCode, 2);
    }
}

// The filled configuration with `from` replaced by `to`.
std::string filledWith(const std::string& from, const std::string& to)
{
    std::string text = readFile(kFilled);
    const std::size_t at = text.find(from);
    if (at == std::string::npos)
        throw std::runtime_error("no " + from + " in the filled configuration");
    return text.replace(at, from.size(), to);
}

TEST(ZeltoolChangesOnly, SendsWhatDiffersAndTheUnitReadsBackAsTheFile)
{
    struct Case {
        Link link;
        std::string from, to; // the edit of the filled configuration
        int linesSent;        // the export's entry in the journal, "[EC]" included; 0: refused
        std::vector<std::string> faults = {};
    };
    const std::vector<Case> cases = {
        {Link::Tcp, "[NO1\"Room 01\"]", "[NO1\"Hall\"]", 2},
        {Link::Pty, "[NO1\"Room 01\"]", "[NO1\"Hall\"]", 2},
        {Link::Tcp, "[VO2R-8]", "[VO2R-20]", 6},                // zone 2's whole audio block
        {Link::Tcp, "[F1AO1I3]", "[F1AO1I4]", 162},             // the whole [FAR] block
        {Link::Pty, "[G2AO1]\r\n", "", 54},                     // the whole [GAR] block
        {Link::Tcp, "[IP192.168.1.40]", "[IP192.168.1.41]", 5}, // the network block
        // A fetch that is not whole leaves the unit's side unknown.
        {Link::Tcp, "[NO1\"Room 01\"]", "[NO1\"Hall\"]", 0, {"--silent-after", "40"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        const ScopedDataHome home;
        std::vector<std::string> unitOptions = c.faults;
        unitOptions.insert(unitOptions.end(), {"--config", kFilled});
        const SimulatedUnit unit(c.link, unitOptions);
        const TemporaryFolder folder;
        const std::string edited = folder.file("edited.zel");
        writeFile(edited, filledWith(c.from, c.to));
        const std::string option = c.link == Link::Tcp ? "--tcp" : "--serial";
        const ToolRun run = runZeltool({"export", edited, option, unit.address(), "--changes-only",
                                        "--verify", "--timeout", "0.5"});
        if (c.linesSent == 0) {
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_EQ(run.err,
                      "zeltool: export --changes-only: the configuration of tcp:" + unit.address() +
                          " did not come whole (no character for 0.5 seconds), so what "
                          "it holds is not known; nothing was sent. Export '" +
                          edited + "' without --changes-only to send all of it\n");
            continue;
        }
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find("verified: "), std::string::npos) << run.out;
        // Newest first: the read-back, what was sent, and what the unit held before.
        const std::string listed = runZeltool({"history"}).out;
        const std::regex entries(
            "1  [^\\n]*  compare  from  [^\\n]*  whole fetch  \\d+ lines\\n"
            "2  [^\\n]*  Send Selected  to  [^\\n]*  partial send  " +
            std::to_string(c.linesSent) +
            " lines\\n"
            "3  [^\\n]*  as found before a send  from  [^\\n]*  whole fetch  495 lines\\n");
        EXPECT_TRUE(std::regex_match(listed, entries)) << listed;
        // The part sent can be saved, but is named as one.
        const ToolRun part = runZeltool({"history", "show", "2", "-o", folder.file("part.zel")});
        EXPECT_EQ(part.exitCode, 0);
        EXPECT_NE(
            part.err.find("entry 2 is a partial send: it holds only the parts that were sent"),
            std::string::npos)
            << part.err;
        // What the unit held before is kept: the filled configuration.
        runZeltool({"history", "show", "3", "-o", folder.file("before.zel")});
        EXPECT_EQ(runZeltool({"diff", kFilled, folder.file("before.zel")}).exitCode, 0);
    }
}

} // namespace
} // namespace zel::tool::test
