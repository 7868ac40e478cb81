// zeltool: works on ZEL configuration files and units from the command line.

#include "arguments.h"
#include "tool_command.h"

#include "zel_version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

namespace zel::tool {

int fail(int exitCode, std::string_view message)
{
    std::fprintf(stderr, "zeltool: %.*s\n", static_cast<int>(message.size()), message.data());
    return exitCode;
}

namespace {

CommandTable allCommands()
{
    CommandTable table;
    addConfigCommands(table);
    addCompareCommands(table);
    addDeviceCommands(table);
    addReportCommands(table);
    addHistoryCommands(table);
    addFindCommands(table);
    addSiteCommands(table);
    return table;
}

std::string usageOf(const ToolCommand& command)
{
    return "zeltool " + std::string(command.name) + " " + std::string(command.usage);
}

void printHelp(const CommandTable& table)
{
    std::printf("Usage: zeltool COMMAND [ARGUMENTS]\n\n"
                "Works on ZEL-8 and ZEL-16 configurations: files (.zel), and units over TCP or a\n"
                "serial line.\n\n"
                "Commands:\n");
    for (const ToolCommand& command : table)
        std::printf("  %s\n      %.*s\n", usageOf(command).c_str(),
                    static_cast<int>(command.summary.size()), command.summary.data());
    std::printf(
        "\nOptions:\n"
        "  -h, --help     show this help, or a command's usage after the command\n"
        "  --version      show the version\n\n"
        "Exit status: 0 done; 1 the command could not finish (the output could not be\n"
        "written, a transfer stopped short), or for diff and check: a difference or a\n"
        "finding; 2 bad usage, an input that cannot be read, or a unit that cannot be\n"
        "reached. 'zeltool COMMAND --help' tells more.\n\n"
        "Scheduled backups:\n"
        "A site file in the per-user sites folder (~/.local/share/ZEL Configuration/sites/)\n"
        "that names its history (a line \"# zelconfig history: REPO\", see 'zeltool site\n"
        "--help') is backed up every day, with a commit only when a unit changed, by the\n"
        "systemd user timer the package installs:\n"
        "  systemctl --user enable --now zelconfig-site-backup@harbour-hotel.timer\n"
        "What a run said is in the user's journal (journalctl --user -u\n"
        "zelconfig-site-backup@harbour-hotel). Without systemd, a crontab line (crontab -e)\n"
        "does the same, and cron mails what the run prints, which is nothing unless there\n"
        "is news:\n"
        "  30 6 * * * zeltool site backup \"$HOME/.local/share/ZEL "
        "Configuration/sites/harbour-hotel.zelsite\" --quiet\n");
}

int usageError(std::string_view message)
{
    fail(kExitUsage, message);
    std::fprintf(stderr, "Try 'zeltool --help'.\n");
    return kExitUsage;
}

int runCommand(const ToolCommand& command, const std::vector<std::string>& words)
{
    const ParsedArguments parsed = parseArguments(words);
    const Arguments& arguments = parsed.arguments;
    const std::string name(command.name);
    if (parsed.error.empty() && arguments.help) {
        std::printf("Usage: %s\n  %.*s\n", usageOf(command).c_str(),
                    static_cast<int>(command.summary.size()), command.summary.data());
        if (!command.details.empty())
            std::printf("\n%.*s\n", static_cast<int>(command.details.size()),
                        command.details.data());
        return kExitOk;
    }
    std::string error = parsed.error;
    // What each option a command does not take is refused with, the first found in this order.
    // A command that takes --allow-incomplete alone refuses --other-model on its own.
    const bool takesAllowIncomplete = (command.options & kOptionAllowIncomplete) != 0;
    const std::pair<unsigned, const char*> refusals[] = {
        {kOptionOutput, "option -o is not taken here"},
        {kOptionTarget, "options --tcp and --serial are not taken here"},
        {kOptionTransfer, "options --timeout and --verbose are not taken here"},
        {kOptionVerify, "option --verify is not taken here"},
        {kOptionReport, "options --changes-from, --paper, --site, --client, --installer and "
                        "--notes are not taken here"},
        {kOptionChangesOnly, "option --changes-only is not taken here"},
        {kOptionSendAnyway,
         takesAllowIncomplete ? "option --other-model is not taken here"
                              : "options --allow-incomplete and --other-model are not taken here"},
        {kOptionSerialList, "option '--serial' needs a device"},
        {kOptionScan, "options --port and --jobs are not taken here"},
        {kOptionJson, "option --json is not taken here"},
        {kOptionForce, "option --force is not taken here"},
        {kOptionHistory, "options --git, --push and --quiet are not taken here"},
        {kOptionIgnoreVolume, "option --ignore-volume is not taken here"},
        {kOptionFrom, "option --from is not taken here"},
    };
    const unsigned refused = arguments.given & ~command.options;
    for (const auto& [option, message] : refusals)
        if (error.empty() && (refused & option))
            error = message;
    const int given = static_cast<int>(arguments.positional.size());
    const int most = std::max(command.positionalCount, command.maxPositionalCount);
    if (error.empty() && (given < command.positionalCount || given > most))
        error = given < command.positionalCount ? "missing argument" : "too many arguments";
    if (!error.empty())
        return usageError(name + ": " + error + "\nUsage: " + usageOf(command));
    return command.run(arguments);
}

} // namespace

} // namespace zel::tool

int main(int argc, char** argv)
{
    using namespace zel::tool;
    const CommandTable table = allCommands();
    const std::vector<std::string> words(argv + std::min(argc, 1), argv + argc);
    if (words.empty())
        return usageError("no command given");

    const std::string& first = words.front();
    if (first == "-h" || first == "--help" || first == "help") {
        printHelp(table);
        return kExitOk;
    }
    if (first == "--version") {
        std::printf("zeltool %s\n", zel::kVersion);
        return kExitOk;
    }
    const auto command = std::find_if(table.begin(), table.end(),
                                      [&](const ToolCommand& c) { return c.name == first; });
    if (command == table.end())
        return usageError("unknown command '" + first + "'");
    // The transfers to and from a unit run on Qt's event loop; a command that lays out a
    // document also needs fonts, from a platform that works without a display unless one is
    // asked for.
    std::unique_ptr<QCoreApplication> application;
    const bool fontsForWord =
        !command->fontsForWord.empty() && words.size() > 1 && words[1] == command->fontsForWord;
    if (command->needsFonts || fontsForWord) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // The platform plugin alone: with no image plugin a PDF keeps its pictures lossless
        // (the EQ curves' labels never turn into JPEG blur), and nothing else is loaded.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM_PLUGIN_PATH"))
            qputenv("QT_QPA_PLATFORM_PLUGIN_PATH",
                    (QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"))
                        .toLocal8Bit());
        QCoreApplication::setLibraryPaths({});
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    return runCommand(*command, std::vector<std::string>(words.begin() + 1, words.end()));
}
