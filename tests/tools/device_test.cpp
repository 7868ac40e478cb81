// zeltool import, export and diff against zelsim, a simulated unit, over loopback TCP and a
// pseudo-terminal: exit codes, what is printed and saved, and the unit's faults.

#include "simulated_unit.h"
#include "tool_runner.h"

#include "model/config_diff.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/templates.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace zel::tool::test {
namespace {

using Link = SimulatedUnit::Link;

// A ZEL-16 with every zone, favorite and group set, in the writer's form (515 lines).
const std::string kFilled = std::string(ZELTOOL_TEST_DATA) + "/filled_zel16.zel";

model::ConfigModel readModel(const std::string& text)
{
    model::ConfigModel model;
    model::resetModel(model);
    model::LogLines log;
    model::readText(model, text, log);
    model::markUnavailableGroups(model);
    return model;
}

// How the text differs from the filled configuration; empty when it holds the same.
std::vector<std::string> differencesFromFilled(const std::string& text)
{
    return model::diffConfigurations(readModel(readFile(kFilled)), readModel(text));
}

std::string tcp(const SimulatedUnit& unit)
{
    return "tcp:" + unit.address();
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    for (const std::string_view line : model::splitLines(text))
        lines.emplace_back(line);
    return lines;
}

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

TEST(ZeltoolImport, PrintsOrSavesTheWholeConfiguration)
{
    // The address zelsim prints, for IPv6 too, is taken back as it stands.
    struct Case {
        Link link;
        std::vector<std::string> unitOptions; // how the unit sends, beyond --config
    };
    const Case cases[] = {
        {Link::Tcp, {}},
        {Link::Tcp, {"--tcp", "[::1]:0"}},
        {Link::Pty, {}},
        {Link::Tcp, {"--line-end", "lf"}},
        {Link::Pty, {"--line-end", "lf"}},
        {Link::Pty, {"--line-end", "cr"}},
        {Link::Tcp, {"--telnet-negotiation", "both"}},
        {Link::Tcp, {"--handshake-reply", "\\r\\n)"}},
    };
    for (const Case& c : cases) {
        const Link link = c.link;
        std::vector<std::string> unitOptions = c.unitOptions;
        SCOPED_TRACE((link == Link::Tcp ? "tcp " : "pty ") +
                     (unitOptions.empty() ? std::string() : unitOptions[1]));
        const bool listensOnIpv6 = !unitOptions.empty() && unitOptions[0] == "--tcp";
        unitOptions.insert(unitOptions.end(), {"--config", kFilled});
        const SimulatedUnit unit(link, unitOptions);
        EXPECT_EQ(unit.address().rfind("[::1]:", 0) == 0, listensOnIpv6) << unit.address();
        const std::vector<std::string> target = {link == Link::Tcp ? "--tcp" : "--serial",
                                                 unit.address()};
        std::vector<std::string> arguments = {"import"};
        arguments.insert(arguments.end(), target.begin(), target.end());

        const ToolRun printed = runZeltool(arguments);
        EXPECT_EQ(printed.exitCode, 0) << printed.err;
        EXPECT_EQ(printed.err, "");
        EXPECT_EQ(differencesFromFilled(printed.out), std::vector<std::string>{});
        EXPECT_NE(printed.out.find("\n[QXSB]\n"), std::string::npos);
        EXPECT_EQ(printed.out.find('\r'), std::string::npos);

        const TemporaryFolder folder;
        const std::string saved = folder.file("unit.zel");
        arguments.insert(arguments.end(), {"-o", saved});
        const ToolRun toFile = runZeltool(arguments);
        EXPECT_EQ(toFile.exitCode, 0) << toFile.err;
        EXPECT_EQ(toFile.out, "");
        const std::string bytes = readFile(saved);
        EXPECT_EQ(bytes, model::joinLines(linesOf(printed.out), "\r\n"));
    }
}

TEST(ZeltoolImport, NoWholeConfigurationIsExitOneAndNeverReplacesAFile)
{
    struct Case {
        std::vector<std::string> faults;
        std::string problem;
        std::string cameStart; // what came, as --allow-incomplete saves it
    };
    const std::vector<Case> cases = {
        {{"--silent-after", "40"},
         "is incomplete: no character for 0.3 seconds before the end of the configuration",
         "[SD1]\r\n[FPL0]\r\n"},
        {{"--close-after", "40"},
         "is incomplete: the unit closed the connection before the end of the configuration",
         "[SD1]\r\n[FPL0]\r\n"},
        {{"--echo-only"},
         "brought no whole configuration: no configuration line came",
         "[]\r\n[QXSB]\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.faults[0]);
        std::vector<std::string> options = c.faults;
        options.insert(options.end(), {"--config", kFilled});
        const SimulatedUnit unit(Link::Tcp, options);
        const TemporaryFolder folder;
        const std::string saved = folder.file("unit.zel");
        writeFile(saved, "[SD1]\r\n");
        const std::vector<std::string> import = {"import", "--tcp", unit.address(), "--timeout",
                                                 "0.3",    "-o",    saved};
        const std::string problem = "zeltool: import from " + tcp(unit) + " " + c.problem;
        const ToolRun run = runZeltool(import);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, problem + "; nothing was written to '" + saved +
                               "' (--allow-incomplete writes what came to a new file)\n");
        std::vector<std::string> anyway = import;
        anyway.push_back("--allow-incomplete");
        EXPECT_EQ(runZeltool(anyway).exitCode, 1);
        EXPECT_EQ(readFile(saved), "[SD1]\r\n"); // never replaced by less than a whole one

        anyway[6] = folder.file("part.zel");
        const ToolRun kept = runZeltool(anyway);
        EXPECT_EQ(kept.exitCode, 1);
        EXPECT_EQ(kept.err, problem + "; what came is in '" + anyway[6] + "'\n");
        const std::string part = readFile(anyway[6]);
        EXPECT_TRUE(startsWith(part, c.cameStart)) << part.substr(0, 40);
        EXPECT_EQ(part.find("[QXSB]") != std::string::npos, c.faults[0] == "--echo-only");
    }
}

TEST(ZeltoolImport, AUnitThatCannotBeReachedIsExitTwo)
{
    std::string closedPort;
    {
        SimulatedUnit unit(Link::Tcp);
        closedPort = unit.address();
    } // the port is free again: nothing listens there
    const ToolRun refused = runZeltool({"import", "--tcp", closedPort});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(startsWith(refused.err, "zeltool: cannot reach tcp:" + closedPort + ": "))
        << refused.err;
    EXPECT_NE(refused.err.find("another program may hold the unit's session"), std::string::npos)
        << refused.err;

    const ToolRun noPort = runZeltool({"import", "--serial", "/dev/no-such-port"});
    EXPECT_EQ(noPort.exitCode, 2);
    EXPECT_TRUE(startsWith(noPort.err, "zeltool: cannot reach serial:/dev/no-such-port: "))
        << noPort.err;

    const ToolRun missingSide = runZeltool({"diff", "tcp:" + closedPort, kFilled});
    EXPECT_EQ(missingSide.exitCode, 2);
    EXPECT_TRUE(startsWith(missingSide.err, "zeltool: cannot read tcp:" + closedPort + ": "));
}

TEST(ZeltoolExport, SendsEveryLineAndVerifies)
{
    for (const Link link : {Link::Tcp, Link::Pty}) {
        SCOPED_TRACE(link == Link::Tcp ? "tcp" : "pty");
        const SimulatedUnit unit(link); // starts as a blank ZEL-16
        const std::string option = link == Link::Tcp ? "--tcp" : "--serial";
        const std::string side = (link == Link::Tcp ? "tcp:" : "serial:") + unit.address();

        const ToolRun before = runZeltool({"diff", side, kFilled});
        EXPECT_EQ(before.exitCode, 1);
        EXPECT_NE(before.out.find("Zone 1 name: \"Zone Name 1\" -> \"Room 01\"\n"),
                  std::string::npos);

        const ToolRun sent = runZeltool({"export", kFilled, option, unit.address(), "--verify"});
        EXPECT_EQ(sent.exitCode, 0) << sent.err;
        EXPECT_EQ(sent.out,
                  "verified: the configuration of " + side + " matches '" + kFilled + "'\n");
        EXPECT_EQ(sent.err, ""); // no progress when standard error is no terminal

        const ToolRun after = runZeltool({"diff", kFilled, side});
        EXPECT_EQ(after.exitCode, 0) << after.out << after.err;
        EXPECT_EQ(after.out, "");
    }
}

TEST(ZeltoolExport, ASendThatWouldMixOrBlankTheUnitIsRefusedUnlessAskedFor)
{
    const TemporaryFolder folder;
    const std::string zel8 = folder.file("zel8.zel");
    writeFile(zel8, model::joinLines(model::templateLines(model::UnitSize::Zel8), "\r\n"));
    const std::string blank16 = folder.file("zel16.zel"); // what the unit holds at first
    writeFile(blank16, model::joinLines(model::templateLines(model::UnitSize::Zel16), "\r\n"));
    const std::string part = folder.file("part.zel"); // as a send of selected rows leaves
    writeFile(part, "[NO1\"Hall\"]\r\n[NG3\"Up\"]\r\n[EC]\r\n");
    // Another unit of the same model: every zone named otherwise.
    std::string other = readFile(kFilled);
    for (std::size_t at = other.find("\"Room "); at != std::string::npos;
         at = other.find("\"Room ", at))
        other.replace(at, 6, "\"Hall ");
    const std::string otherUnit = folder.file("other.zel");
    writeFile(otherUnit, other);
    struct Case {
        const char* what;
        Link link;
        std::vector<std::string> arguments; // after "export", before the unit
        std::vector<std::string> unitOptions;
        int exitCode;
        std::string err; // part of standard error
        std::string out; // how standard output begins
        bool unitKept;   // the unit holds what it held at first
    };
    const std::string otherModel = "' is a configuration for a ZEL-8, but ";
    // clang-format off
    const std::vector<Case> cases = {
        {"a ZEL-8 for a ZEL-16", Link::Tcp, {zel8}, {}, 2, otherModel, "", true},
        {"a ZEL-8 for a ZEL-16", Link::Pty, {zel8}, {}, 2, otherModel, "", true},
        {"a ZEL-8 for a ZEL-16, changes only", Link::Tcp, {zel8, "--changes-only"}, {}, 2,
         " is a ZEL-16. Sent, the unit holds part of each. Nothing was sent; --other-model sends "
         "it all the same\n", "", true},
        // A ZEL-8 configuration names zones 1 to 8 only: the ZEL-16 unit keeps its zones 9 to 16.
        {"a ZEL-8 for a ZEL-16, sent as asked", Link::Tcp, {zel8, "--other-model", "--verify"}, {},
         1, " in 26 members\n", "Zone count: 8 -> 16\nSource count: 8 -> 16\n", true},
        {"a part", Link::Tcp, {part}, {}, 2,
         "' is not a whole configuration: it does not set the display brightness; ", "", true},
        {"a part, sent as asked", Link::Tcp, {part, "--allow-incomplete"}, {}, 0,
         "the network settings (DHCP and the addresses). Sent, the unit gets blanks or defaults "
         "in their place; sent as --allow-incomplete asks\n", "", false},
        {"a unit whose configuration cannot be fetched", Link::Tcp, {kFilled, "--timeout", "0.3"},
         {"--silent-after", "40"}, 1, " did not come whole (no character for 0.3 seconds), so "
         "what it holds is not known; nothing was sent. --force sends without knowing it\n", "",
         true},
        // The model's waiver waives nothing else: the unit is still read, its identity checked.
        {"--other-model, a unit that cannot be fetched", Link::Tcp,
         {kFilled, "--other-model", "--timeout", "0.3"}, {"--silent-after", "40"}, 1,
         "so what it holds is not known; nothing was sent. --force sends without knowing it\n",
         "", true},
        {"--other-model, another unit", Link::Tcp, {kFilled, "--other-model"},
         {"--config", otherUnit}, 2, "does not look like the unit this configuration came from; "
         "nothing was sent (--force sends it anyway)", "", true},
        {"--other-model, another unit", Link::Pty, {kFilled, "--other-model"},
         {"--config", otherUnit}, 2, "does not look like the unit this configuration came from",
         "", true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.link == Link::Tcp ? "tcp: " : "pty: ") + c.what);
        const ScopedDataHome home;
        const SimulatedUnit unit(c.link, c.unitOptions);
        const std::string side = (c.link == Link::Tcp ? "tcp:" : "serial:") + unit.address();
        std::vector<std::string> arguments = {"export"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        arguments.insert(arguments.end(),
                         {c.link == Link::Tcp ? "--tcp" : "--serial", unit.address()});
        const ToolRun run = runZeltool(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_TRUE(startsWith(run.out, c.out)) << run.out;
        // What the unit held is in the journal whatever became of the send.
        const bool unitAnswers = c.unitOptions.empty() || c.unitOptions.front() == "--config";
        EXPECT_EQ(runZeltool({"history"}).out.find("  from  " + side + "  whole") !=
                      std::string::npos,
                  unitAnswers);
        if (unitAnswers && !c.unitOptions.empty()) { // another unit: it keeps what it held
            EXPECT_EQ(runZeltool({"diff", otherUnit, side}).exitCode, 0);
        }
        if (c.unitOptions.empty()) {
            EXPECT_EQ(runZeltool({"diff", blank16, side}).exitCode, c.unitKept ? 0 : 1);
        }
    }
}

TEST(ZeltoolExport, StopsAtTheLineTheUnitRefusesOrDoesNotAcknowledge)
{
    // Line 134 of the export is the first volume line, [VO1R-4].
    const std::vector<std::string> lines = linesOf(readFile(kFilled));
    ASSERT_EQ(lines.at(133), "[VO1R-4]");
    struct Case {
        std::vector<std::string> faults;
        std::string reason;
        Link link = Link::Tcp;
        int exitCode = 1;
    };
    const std::string refused = "the unit answered ERROR to line 134 of 515 ([VO1R-4]); "
                                "acknowledged up to line 133\n";
    const std::vector<Case> cases = {
        {{"--error-on", "VO1R"}, refused},
        {{"--error-on", "VO1R"}, refused, Link::Pty},
        {{"--close-after", "400", "--hang-up"}, "the serial port was lost at line ", Link::Pty},
        // An echo is an acknowledgement by the serial rule; standard error says it was no more.
        {{"--echo"}, "no line came back as (...), the form a unit acknowledges with", Link::Pty, 0},
        {{"--silent-after", "400"}, "no acknowledgement within 0.3 seconds of line "},
        {{"--close-after", "400"}, "the connection was lost at line "},
        {{"--silent-after", "0"},
         "the unit did not answer the handshake \"[]\" within 0.3 seconds, before the first "
         "line was sent\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        const SimulatedUnit unit(c.link, c.faults);

        const bool tcpLink = c.link == Link::Tcp;
        // The fetch first takes the unit's 231 dump lines, so the counted faults meet the export
        // at 400; --force goes on after a fetch that the fault cut short.
        const ToolRun run =
            runZeltool({"export", kFilled, tcpLink ? "--tcp" : "--serial", unit.address(),
                        "--timeout", "0.3", "--other-model", "--force"});
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, "");
        // After what --force said of the fetch, when it was cut short.
        const std::string stop = "zeltool: export to " +
                                 (tcpLink ? tcp(unit) : "serial:" + unit.address()) +
                                 (c.exitCode ? " is incomplete: " : ": ") + c.reason;
        const std::size_t at = run.err.find(stop);
        EXPECT_TRUE(at == 0 || (at != std::string::npos && run.err[at - 1] == '\n' &&
                                run.err.find("sent as --force asks\n") != std::string::npos))
            << run.err;
    }
}

TEST(ZeltoolExport, AFileThatSetsNothingOrTextsALineCannotCarryIsNotSent)
{
    const SimulatedUnit unit(Link::Tcp, {"--config", kFilled});
    const TemporaryFolder folder;
    const std::string file = folder.file("blank.zel");
    const std::string setsNothing = "holds no configuration line; nothing was sent\n";
    const std::string cannotCarry = ", which a configuration line cannot carry\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", setsNothing},
        {"remark\r\n", setsNothing},
        {"[QXSB]\r\n[CO1I1]\r\n[EC]\r\n", setsNothing},
        {"[VO20R-12]\r\n", setsNothing},
        {"[NO99\"x\"]\r\n", setsNothing},
        {readFile(kFilled).substr(0, 2000), // a fetch cut short
         "is not a whole configuration: it does not set the groups (which zones belong to each); "
         "the favorites (which source each zone plays); the names of favorites 1 to 10; the "
         "names of groups 1 to 10; the network settings (DHCP and the addresses). Sent, the unit "
         "gets blanks or defaults in their place. Nothing was sent; --allow-incomplete sends it "
         "all the same\n"},
        // A whole configuration: the texts are what stops it.
        {readFile(kFilled) + "[NF3\"[QXSB]\"]\r\n[NM255.0.0.0]x]\r\n",
         "holds texts a configuration line cannot carry; nothing was sent\n"
         "  favorite 3 name \"[QXSB]\" holds \"[\"" +
             cannotCarry + "  netmask \"255.0.0.0]x\" holds \"]\"" + cannotCarry},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        writeFile(file, text);
        const ToolRun run = runZeltool({"export", file, "--tcp", unit.address()});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, "zeltool: export: '" + file + "' " + message);
        // The unit keeps its configuration.
        EXPECT_EQ(runZeltool({"diff", kFilled, tcp(unit)}).exitCode, 0);
    }
}

TEST(ZeltoolImport, TheAnswerToTheHandshakeIsNotPartOfTheConfiguration)
{
    for (const std::string answer : {")", "]", "(OK)\\r\\n", "\\r\\n)"}) {
        SCOPED_TRACE(answer);
        const SimulatedUnit unit(Link::Tcp, {"--config", kFilled, "--handshake-reply", answer});
        const ToolRun run = runZeltool({"import", "--tcp", unit.address()});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(startsWith(run.out, "[SD1]\n[FPL0]\n")) << run.out.substr(0, 40);
        EXPECT_EQ(differencesFromFilled(run.out), std::vector<std::string>{});
    }
}

TEST(ZeltoolExport, ShowsProgressOnATerminal)
{
    if (::access("/usr/bin/script", X_OK) != 0)
        GTEST_SKIP() << "script(1) is needed for a terminal";
    const SimulatedUnit unit(Link::Tcp);
    const std::string command =
        std::string(ZELTOOL_PATH) + " export '" + kFilled + "' --tcp " + unit.address();
    const ToolRun run = runProgram("/usr/bin/script", {"-qec", command, "/dev/null"});
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("\rSending line 1 of 515"), std::string::npos);
    EXPECT_NE(run.out.find("\rSending line 515 of 515"), std::string::npos);
    ASSERT_EQ(linesOf(readFile(kFilled)).at(113), "");
    EXPECT_EQ(run.out.find("Sending line 114 of"), std::string::npos); // empty lines are not sent
    EXPECT_NE(run.out.find("\rSending line 115 of 515"), std::string::npos);
}

TEST(ZeltoolReport, DescribesAFileOrAUnitWithTheChangesSinceAnother)
{
    const SimulatedUnit unit(Link::Tcp, {"--config", kFilled});
    const TemporaryFolder folder;
    const std::string older = folder.file("older.zel");
    std::string text = readFile(kFilled);
    text.replace(text.find("[SD1]"), 5, "[SD3]"); // the display at 25% instead of 75%
    writeFile(older, text);
    const std::string zel8 = folder.file("zel8.zel");
    writeFile(zel8, model::joinLines(model::templateLines(model::UnitSize::Zel8), "\r\n"));
    const std::string notes = folder.file("notes.txt");
    writeFile(notes, "Gate code 1234\nKeys with <the> neighbour \xc3\xa9t\xc3\xa9");
    const std::string latin1Notes = folder.file("latin1.txt");
    writeFile(latin1Notes, "Caf\xe9 <b>");
    const std::string longNotes = folder.file("long.txt");
    writeFile(longNotes, std::string(64 * 1024 + 1, 'n'));
    // A device whose every write fails: the report says so and exits 1.
    const bool haveFullDevice = ::symlink("/dev/full", folder.file("full.pdf").c_str()) == 0;
    struct Case {
        std::vector<std::string> arguments;
        std::string out;
        int exitCode;
        std::vector<std::string> present; // in the file written, or on standard error
        std::string err = {};             // on standard error as well
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{tcp(unit), "--changes-from", older, "--site", "Harbour House", "--client", "J. Smith",
          "--installer=Alex", "--notes", notes}, "unit.html", 0,
         {"<meta charset=\"utf-8\">", "<h1>Harbour House</h1>", "<td>Client</td><td>J. Smith</td>",
          "<td>Installer</td><td>Alex</td>", "<td>Link</td><td>tcp:" + unit.address() + "</td>",
          "unit " + tcp(unit), "file &#39;" + older + "&#39; of 20",
          "Keys with &lt;the&gt; neighbour \xc3\xa9t\xc3\xa9", "Changes",
          "Display brightness 75% (was 25%)"}},
        {{kFilled, "--notes", latin1Notes}, "latin1.html", 0, {"Caf\xc3\xa9 &lt;b&gt;"}},
        {{kFilled, "--changes-from", tcp(unit), "--paper", "letter"}, "file.pdf", 0,
         {"%PDF-", "/MediaBox [0 0 612.000000 792.000000]"}},
        {{kFilled}, "none/file.pdf", 1, {"cannot write '"}},
        {{kFilled}, "full.pdf", 1, {"No space left on device (any existing file is unchanged)"}},
        {{kFilled, "--notes", longNotes}, "long.pdf", 2,
         {"report: the notes file '" + longNotes + "' is longer than 65536 bytes"}},
        {{kFilled, "--notes", folder.file("gone.txt")}, "gone.pdf", 2,
         {"report: cannot read the notes file '" + folder.file("gone.txt") + "': "}},
        {{zel8, "--changes-from", tcp(unit)}, "mixed.html", 0, {"ZEL-8"},
         "zeltool: report: unit " + tcp(unit) + " is a configuration for a ZEL-16, file '" + zel8 +
             "' one for a ZEL-8: the changes are those between two models\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out);
        if (c.out == "full.pdf" && !haveFullDevice)
            continue;
        std::vector<std::string> arguments{"report"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        arguments.insert(arguments.end(), {"-o", folder.file(c.out)});
        const ToolRun run = runZeltool(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        const std::string written = c.exitCode == 0 ? readFile(folder.file(c.out)) : run.err;
        for (const std::string& expected : c.present)
            EXPECT_NE(written.find(expected), std::string::npos) << expected << "\n" << written;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

TEST(ZeltoolDevice, RejectsBadUsageWithExitTwo)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"import"}, "import: give the unit with --tcp HOST[:PORT] or --serial DEVICE"},
        {{"import", "--tcp", "a", "--serial", "b"}, "import: give --tcp or --serial, not both"},
        {{"import", "--tcp", "a", "--timeout", "0"},
         "import: --timeout needs a number of seconds above 0 and at most 3600, not '0'"},
        {{"import", "--tcp", "a", "--timeout=x"},
         "import: --timeout needs a number of seconds above 0 and at most 3600, not 'x'"},
        {{"import", "--tcp", "a", "--verify"}, "import: option --verify is not taken here"},
        {{"import", "--tcp", "a", "--changes-only"},
         "import: option --changes-only is not taken here"},
        {{"import", "--tcp", "a", "--other-model"},
         "import: option --other-model is not taken here"},
        {{"check", "a", "--allow-incomplete"},
         "check: options --allow-incomplete and --other-model are not taken here"},
        {{"history", "show"},
         "history: give nothing to list the journal, 'show N', 'keep N' or 'unkeep N'"},
        {{"history", "-o", "f.zel"}, "history: -o is taken by 'history show N' only"},
        {{"history", "keep", "1", "-o", "f.zel"}, "history: -o is taken by 'history show N' only"},
        {{"history", "show", "1", "2"}, "history: too many arguments"},
        {{"import", "--tcp"}, "import: option '--tcp' needs a host"},
        {{"import", "--tcp="}, "import: the host is empty"},
        {{"import", "--tcp", "127.0.0.1:99999"},
         "import: the port of --tcp 127.0.0.1:99999 is out of range (1 to 65535)"},
        {{"export", "f.zel", "--tcp", "[::1]:0"},
         "export: the port of --tcp [::1]:0 is out of range (1 to 65535)"},
        {{"import", "--tcp", "unit:abc"}, "import: the port of --tcp unit:abc is not a number"},
        {{"export", "--tcp", "a"}, "export: missing argument"},
        {{"export", "f.zel", "--tcp", "a", "-o", "x"}, "export: option -o is not taken here"},
        {{"read", "f.zel", "--tcp", "a"}, "read: options --tcp and --serial are not taken here"},
        {{"diff", "a", "b", "--serial", "c"},
         "diff: options --tcp and --serial are not taken here"},
        {{"check", "a", "--verbose"}, "check: options --timeout and --verbose are not taken here"},
        {{"report", "f.zel"}, "report: name the report file with -o OUT.html or -o OUT.pdf"},
        {{"report", "f.zel", "-o", "r.txt"},
         "report: the report file must end in .html or .pdf, not 'r.txt'"},
        {{"report", "f.zel", "-o", "r.pdf", "--paper", "A5"},
         "report: unknown paper size 'A5' (use A4 or Letter)"},
        {{"report", "-", "--changes-from", "-", "-o", "r.html"},
         "report: standard input can be only one configuration"},
        {{"diff", "a", "b", "--paper", "A4"},
         "diff: options --changes-from, --paper, --site, --client, --installer and --notes are "
         "not taken here"},
        {{"import", "--tcp", "a", "--site", "S"},
         "import: options --changes-from, --paper, --site, --client, --installer and --notes are "
         "not taken here"},
        {{"report", "f.zel", "-o", "r.pdf", "--site="}, "report: the site is empty"},
        {{"report", "f.zel", "-o", "r.pdf", "--notes"},
         "report: option '--notes' needs a file name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const ToolRun run = runZeltool(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        // The report starts the platform layer, which may say something of its own first.
        EXPECT_NE(run.err.find("zeltool: " + c.message + "\n"), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace zel::tool::test
