// import and export: the configuration of a unit over TCP or a serial line.

#include "arguments.h"
#include "byte_files.h"
#include "config_input.h"
#include "device_options.h"
#include "device_transfers.h"
#include "tool_command.h"
#include "tool_send.h"
#include "transfer_journal.h"

#include "model/changed_lines.h"
#include "model/config_diff.h"
#include "model/config_model.h"
#include "model/config_writer.h"
#include "model/whole_configuration.h"

namespace zel::tool {

namespace {

using link::TransferOutcome;

// Received text with "\n" line ends, ended by `lineEnd` after every line.
std::string withLineEnds(const std::string& text, std::string_view lineEnd)
{
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        out.append(text, start, end - start).append(lineEnd);
        start = end + 1;
    }
    return out;
}

// Where what came goes when it is not a whole configuration: standard output, or with
// --allow-incomplete a new file, never one that is there. Returns the exit status.
int keepIncomplete(const Arguments& arguments, const ImportResult& result,
                   const std::string& problem)
{
    if (!arguments.output) {
        if (!writeStandardOutput(withLineEnds(result.text, "\n")))
            return fail(kExitFailure, "cannot write to standard output");
        return fail(kExitFailure, problem);
    }
    const std::string& path = *arguments.output;
    if (!arguments.allowIncomplete)
        return fail(kExitFailure, problem + "; nothing was written to '" + path +
                                      "' (--allow-incomplete writes what came to a new file)");
    if (const std::string error = writeNewFile(path, withLineEnds(result.text, "\r\n"));
        !error.empty())
        return fail(kExitFailure, problem + "; what came was not written to '" + path + "': " +
                                      error + " (--allow-incomplete writes only a new file)");
    return fail(kExitFailure, problem + "; what came is in '" + path + "'");
}

int runImport(const Arguments& arguments)
{
    std::string error;
    const std::optional<LinkTarget> target = targetOf(arguments, error);
    const std::optional<TransferOptions> options =
        target ? transferOptionsOf(arguments, error) : std::nullopt;
    if (!target || !options)
        return fail(kExitUsage, "import: " + error);

    const ImportResult result = importConfiguration(*target, *options, journal::Cause::Import);
    if (linkFailed(result.outcome))
        return fail(kExitUsage, "cannot reach " + describe(*target) + ": " + result.error);

    if (result.outcome != TransferOutcome::Completed)
        return keepIncomplete(arguments, result,
                              "import from " + describe(*target) +
                                  " is incomplete: " + importProblem(result, *target, *options) +
                                  " before the end of the configuration");
    if (!result.whole())
        return keepIncomplete(arguments, result,
                              "import from " + describe(*target) +
                                  " brought no whole configuration: " + result.notWhole);
    if (!arguments.output) {
        if (!writeStandardOutput(withLineEnds(result.text, "\n")))
            return fail(kExitFailure, "cannot write to standard output");
    } else if (const std::string saveError =
                   replaceFile(*arguments.output, withLineEnds(result.text, "\r\n"));
               !saveError.empty()) {
        return fail(kExitFailure, "cannot write '" + *arguments.output + "': " + saveError +
                                      " (any existing file is unchanged)");
    }
    return kExitOk;
}

// Imports the unit's configuration again and prints how it differs from `sent`.
int verify(const LinkTarget& target, const model::ConfigModel& sent, const std::string& path,
           const TransferOptions& options)
{
    // A read back to compare with what was sent.
    const ImportResult result = importConfiguration(target, options, journal::Cause::Compare);
    if (linkFailed(result.outcome))
        return fail(kExitUsage, "verify: cannot reach " + describe(target) + ": " + result.error);
    if (result.outcome != TransferOutcome::Completed)
        return fail(kExitFailure, "verify: the import from " + describe(target) +
                                      " is incomplete: " + importProblem(result, target, options));
    model::ConfigModel unit;
    readConfigurationText(result.text, unit);
    const std::vector<std::string> differences = model::diffConfigurations(sent, unit);
    if (differences.empty()) {
        if (!writeStandardOutput("verified: the configuration of " + describe(target) +
                                 " matches " + describe(path) + "\n"))
            return fail(kExitFailure, "cannot write to standard output");
        return kExitOk;
    }
    writeStandardOutput(model::joinLines(differences, "\n"));
    return fail(kExitFailure, "verify: the configuration of " + describe(target) +
                                  " differs from " + describe(path) + " in " +
                                  std::to_string(differences.size()) + " members");
}

int runExport(const Arguments& arguments)
{
    std::string error;
    const std::optional<LinkTarget> target = targetOf(arguments, error);
    const std::optional<TransferOptions> options =
        target ? transferOptionsOf(arguments, error) : std::nullopt;
    if (!target || !options)
        return fail(kExitUsage, "export: " + error);

    const std::string& path = arguments.positional[0];
    session::send::Outgoing outgoing;
    const std::optional<ConfigurationRead> read = readConfiguration(path, outgoing.configuration);
    if (!read)
        return kExitUsage;
    // Sent, a configuration that sets nothing would give the unit the blank defaults.
    if (read->summary.settingLines == 0)
        return fail(kExitUsage,
                    "export: " + describe(path) + " holds no configuration line; nothing was sent");
    // A file may be edited: its network settings are among what is sent.
    outgoing.edited = true;
    outgoing.missingParts = model::missingFromWhole(outgoing.configuration, read->summary.coverage);
    // Only what differs from what the read found needs that read whole.
    outgoing.needsWholeRead = arguments.changesOnly;
    const model::ConfigModel& sent = outgoing.configuration;
    // The unit is read first (the journal keeps what it held before it is overwritten).
    ToolSend send(*target, *options, "export", describe(path), arguments,
                  arguments.changesOnly ? journal::Cause::SendSelected : journal::Cause::Export);
    const int refused = send.run(outgoing, [&sent, &arguments](const model::ConfigModel& unitNow) {
        if (!arguments.changesOnly)
            return model::writeConfiguration(sent);
        std::vector<std::string> lines = model::changedLines(unitNow, sent);
        if (lines.size() == 1) // "[EC]" alone: nothing differs
            lines.clear();
        return lines;
    });
    if (refused)
        return refused;
    const int sentOut = send.outcome();
    if (sentOut != kExitOk || !arguments.verify)
        return sentOut;
    return verify(*target, sent, path, *options);
}

constexpr std::string_view kImportDetails =
    "Asks the unit for its configuration and prints the text it sends, one config line per\n"
    "line, or saves it with -o (CR LF line ends; an existing file is replaced only by a whole\n"
    "configuration, written whole). Over TCP the unit is reached on port 23 unless HOST names\n"
    "another, from 1 to 65535 (\"unit.local:2323\", \"[::1]:2323\").\n"
    "\n"
    "  --timeout SECONDS   how long to wait for the unit's next character (default 30)\n"
    "  -v, --verbose       print the transfer log on standard error\n"
    "  --allow-incomplete  with -o, save what came even when it is not whole, to a new file\n"
    "                      only (an existing file is never replaced by less than a whole one)\n"
    "\n"
    "Exit status: 0 a whole configuration came (the dump ended with \"[QXSB]\" and set all a\n"
    "configuration sets); 1 it did not (time-out, closed connection, a device that only echoes):\n"
    "what came is still printed, or saved with -o --allow-incomplete, and standard error says\n"
    "why; 2 bad usage, or the unit cannot be reached.";

constexpr std::string_view kExportDetails =
    "Reads FILE as an import does, writes it as the window's export does, and sends the\n"
    "lines one by one, waiting for the unit's acknowledgement of each: over TCP the line\n"
    "between parentheses, over serial any \")\" or \"]\" (standard error says so when no line\n"
    "came back between parentheses). A reply holding \"ERROR\", or a line not acknowledged\n"
    "within the time-out, stops it. On a terminal, standard error shows \"Sending line i of M\".\n"
    "\n"
    "Before it sends, the unit's configuration is fetched (the journal keeps it: what the unit\n"
    "held before it was overwritten); that fetch alone tells what the unit holds, and one\n"
    "that does not come whole stops the export without --force. A FILE for another model\n"
    "than the unit's (a ZEL-8 configuration for a ZEL-16 unit, or the reverse) is refused:\n"
    "sent, the unit would hold part of each. A FILE that did not set all a whole\n"
    "configuration sets (a fetch cut short, a journal entry of a partial send, a fragment) is\n"
    "refused too, naming what it did not set: an export sends blanks or defaults in its place\n"
    "(favorites and groups cleared, DHCP off with the address \"IPAddress\").\n"
    "\n"
    "  --changes-only     send only the blocks that differ from what the fetch brought, then\n"
    "                     \"[EC]\"; a favorite or group difference sends the whole \"[FAR]\" or\n"
    "                     \"[GAR]\" block. Refused when the fetch does not come whole: the\n"
    "                     unit's side is not known\n"
    "  --allow-incomplete send a FILE that is not a whole configuration all the same\n"
    "  --other-model      send to a unit of another model all the same; the unit is still\n"
    "                     fetched first and its identity still checked\n"
    "  --force            send it even when the unit at the address does not look like the\n"
    "                     unit the configuration came from (by the fetch before the export),\n"
    "                     or when that fetch did not come whole\n"
    "  --verify           import the configuration afterwards and print how it differs from\n"
    "                     FILE, as 'zeltool diff' does, or one line saying that it matches\n"
    "  --timeout SECONDS  how long to wait for each acknowledgement (default 30)\n"
    "  -v, --verbose      print the transfer log on standard error\n"
    "\n"
    "Exit status: 0 every line was acknowledged (and, with --verify, the unit holds what was\n"
    "sent); 1 the export stopped (standard error names the line), the unit's configuration\n"
    "did not come whole when fetched first (nothing is sent), or the unit differs;\n"
    "2 bad usage, a FILE that cannot be read, holds no configuration line, holds a name or an\n"
    "address that a configuration line cannot carry, is not a whole configuration, or is for\n"
    "another model than the unit's (nothing is sent; standard error names it), a unit at the\n"
    "address that looks like another unit (without --force), or the unit cannot be reached.";

} // namespace

void addDeviceCommands(CommandTable& table)
{
    table.push_back({"import", "--tcp HOST[:PORT] | --serial DEVICE [-o OUT [--allow-incomplete]]",
                     "fetch a unit's configuration and print it, or save it with -o",
                     kOptionTarget | kOptionTransfer | kOptionOutput | kOptionAllowIncomplete, 0,
                     runImport, kImportDetails});
    table.push_back(
        {"export",
         "FILE --tcp HOST[:PORT] | --serial DEVICE [--changes-only] [--verify] "
         "[--allow-incomplete] [--other-model]",
         "send a configuration file to a unit, line by line, or only what differs; --verify "
         "reads it back",
         kOptionTarget | kOptionTransfer | kOptionVerify | kOptionChangesOnly | kOptionSendAnyway |
             kOptionForce,
         1, runExport, kExportDetails});
}

} // namespace zel::tool
