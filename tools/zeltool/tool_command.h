#pragma once
// The subcommands of zeltool: each group of commands adds its entries to one dispatch table.

#include <string_view>
#include <vector>

namespace zel::tool {

struct Arguments;

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the command ran but could not finish (e.g. a write)
inline constexpr int kExitUsage = 2;   // bad usage, or an input that cannot be read

struct ToolCommand {
    std::string_view name;
    std::string_view usage;   // the words after the command name, e.g. "FILE [-o OUT]"
    std::string_view summary; // one line for --help
    unsigned options;         // the Option bits (arguments.h) of the options it takes
    int positionalCount;      // exact number of words besides options
    int (*run)(const Arguments& arguments);
    std::string_view details = {};      // more for the command's own --help
    bool needsFonts = false;            // runs on a QGuiApplication, for laying out documents
    int maxPositionalCount = -1;        // when it may take more words than positionalCount; -1: not
    std::string_view fontsForWord = {}; // a first word after which it needs fonts after all
};

using CommandTable = std::vector<ToolCommand>;

// Prints "zeltool: " and `message` on standard error and returns `exitCode`.
int fail(int exitCode, std::string_view message);

// Command groups.
void addConfigCommands(CommandTable& table);  // read, write, template
void addCompareCommands(CommandTable& table); // diff, check
void addDeviceCommands(CommandTable& table);  // import, export
void addReportCommands(CommandTable& table);  // report
void addHistoryCommands(CommandTable& table); // history
void addFindCommands(CommandTable& table);    // find
void addSiteCommands(CommandTable& table);    // site backup, site verify

} // namespace zel::tool
