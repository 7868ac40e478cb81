// diff and check: what differs between two configurations, and what in a configuration text
// would be lost or misread.

#include "arguments.h"
#include "byte_files.h"
#include "config_input.h"
#include "config_side.h"
#include "device_options.h"
#include "tool_command.h"

#include "link/config_file.h"
#include "model/config_check.h"
#include "model/config_diff.h"
#include "model/config_model.h"
#include "model/config_writer.h"

namespace zel::tool {

namespace {

// Exit codes of diff and check, as diff(1) has them: trouble outranks a finding.
constexpr int kExitSame = 0;
constexpr int kExitFound = 1;
constexpr int kExitTrouble = 2;

int printFindings(const std::vector<std::string>& lines)
{
    if (!writeStandardOutput(model::joinLines(lines, "\n")))
        return fail(kExitTrouble, "cannot write to standard output");
    return lines.empty() ? kExitSame : kExitFound;
}

int runDiff(const Arguments& arguments)
{
    const std::string& first = arguments.positional[0];
    const std::string& second = arguments.positional[1];
    if (first == "-" && second == "-")
        return fail(kExitUsage, "diff: standard input can be only one side");
    std::string error;
    const std::optional<TransferOptions> options = transferOptionsOf(arguments, error);
    if (!options)
        return fail(kExitUsage, "diff: " + error);
    model::ConfigModel before;
    model::ConfigModel after;
    if (!readSide(first, *options, before, journal::Cause::Compare) ||
        !readSide(second, *options, after, journal::Cause::Compare))
        return kExitTrouble;
    return printFindings(model::diffConfigurations(before, after));
}

int runCheck(const Arguments& arguments)
{
    const std::string& path = arguments.positional[0];
    const ReadResult file = readBytes(path);
    if (!file.error.empty())
        return fail(kExitTrouble, "cannot read " + describe(path) + ": " + file.error);
    const std::string name = path == "-" ? std::string("(standard input)") : path;
    std::vector<std::string> lines;
    for (const model::CheckFinding& finding : model::checkConfiguration(file.bytes))
        lines.push_back(name + ":" + std::to_string(finding.line) + ": " + finding.message);
    return printFindings(lines);
}

constexpr std::string_view kDiffDetails =
    "Reads both configurations as an import does and prints one line per member that differs,\n"
    "from A to B: counts, panel, network, sources, zones, presets, favorites, groups.\n"
    "Nothing is printed when they are equal.\n"
    "\n"
    "Only what an export writes is compared, so texts that read back alike are equal:\n"
    "  - zones and sources beyond the zone and source counts are left out, with their\n"
    "    favorite and group entries;\n"
    "  - a zone's audio settings count only when the zone has an EQ-mode line;\n"
    "  - a locked zone's volume, the settings of EQ modes other than the zone's own, a system\n"
    "    EQ preset of 0 and the addresses under DHCP are not compared;\n"
    "  - zone, source, favorite and group names are compared cut to 16 characters, and an\n"
    "    empty name is the same as a single blank;\n"
    "  - a balance of 0 is one value, whether it was read as L0 or R0.\n"
    "A setting that only one side writes is shown with its value and \"(added)\" or\n"
    "\"(removed)\".\n"
    "\n"
    "A side is a configuration file, \"-\" for standard input, or a unit, whose configuration\n"
    "is imported first: tcp:HOST[:PORT] or serial:DEVICE (name a file that begins so as\n"
    "./tcp:...). --timeout SECONDS and --verbose work as for import.\n"
    "\n"
    "Exit status: 0 equal, 1 different, 2 bad usage or a side that cannot be read (a unit\n"
    "that cannot be reached or whose configuration does not come whole).";

constexpr std::string_view kCheckDetails =
    "Prints FILE:LINE: and a message for every line that:\n"
    "  - the reader does not handle, cannot read (a number beyond 32 bits), or passes over\n"
    "    although it holds a command (it does not begin with \"[\"), and text beside a\n"
    "    command that the reader ignores;\n"
    "  - names a zone or source outside 1..16, or a favorite, group, preset or band outside\n"
    "    1..10;\n"
    "  - holds a value outside the range of its editing page: volume -80..0, left or right\n"
    "    balance 0..80, bass and treble -12..12, EQ bands -10..10, lowpass 40..240, EQ mode\n"
    "    0..4, display level 0..3, system EQ preset 0..10; or a switch other than 0 or 1;\n"
    "  - holds a zone, source, favorite or group name that will be cut to 16 characters;\n"
    "  - sets a member that an earlier line set (a repeat, or a conflict: the later line\n"
    "    wins), or gives a zone a second source in one favorite;\n"
    "  - sets something that an export leaves out: zones and sources beyond the counts, and\n"
    "    the audio settings of a zone without an EQ-mode line.\n"
    "\"[GAR]\", \"[FAR]\" and \"[EC]\", which an export writes, and remark lines are not "
    "reported.\n"
    "\n"
    "Exit status: 0 nothing to report, 1 something reported, 2 bad usage or a file that\n"
    "cannot be read.";

} // namespace

void addCompareCommands(CommandTable& table)
{
    table.push_back({"diff", "A B",
                     "print the differences between two configurations, member by member",
                     kOptionTransfer, 2, runDiff, kDiffDetails});
    table.push_back({"check", "FILE",
                     "report, with line numbers, what in a configuration would be lost or "
                     "misread",
                     0, 1, runCheck, kCheckDetails});
}

} // namespace zel::tool
