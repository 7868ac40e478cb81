#pragma once
// The words that follow a subcommand: positional words and the options.

#include <optional>
#include <string>
#include <vector>

namespace zel::tool {

// Options a command may take; ToolCommand::options says which.
enum Option : unsigned {
    kOptionOutput = 1u << 0,      // -o OUT
    kOptionTarget = 1u << 1,      // --tcp HOST[:PORT] | --serial DEVICE
    kOptionTransfer = 1u << 2,    // --timeout SECONDS, -v/--verbose
    kOptionVerify = 1u << 3,      // --verify
    kOptionReport = 1u << 4,      // --changes-from OLD, --paper A4|Letter, --site S, --client C,
                                  // --installer I, --notes FILE
    kOptionChangesOnly = 1u << 5, // --changes-only
    kOptionAllowIncomplete = 1u << 6, // --allow-incomplete
    kOptionOtherModel = 1u << 11,     // --other-model
    kOptionSendAnyway = kOptionAllowIncomplete | kOptionOtherModel,
    kOptionSerialList = 1u << 7,    // --serial with no device after it (find: list the ports)
    kOptionScan = 1u << 8,          // --port P, --jobs N
    kOptionJson = 1u << 9,          // --json
    kOptionForce = 1u << 10,        // --force
    kOptionHistory = 1u << 12,      // --git REPO, --push, --quiet
    kOptionIgnoreVolume = 1u << 13, // --ignore-volume
    kOptionFrom = 1u << 14,         // --from COMMIT
};

struct Arguments {
    std::vector<std::string> positional;
    std::optional<std::string> output;      // -o OUT, --output OUT or --output=OUT
    std::optional<std::string> tcp;         // --tcp HOST[:PORT]
    std::optional<std::string> serial;      // --serial DEVICE
    std::optional<std::string> timeout;     // --timeout SECONDS, checked by the command
    std::optional<std::string> changesFrom; // --changes-from OLD
    std::optional<std::string> paper;       // --paper A4|Letter, checked by the command
    std::optional<std::string> site;        // --site S
    std::optional<std::string> client;      // --client C
    std::optional<std::string> installer;   // --installer I
    std::optional<std::string> notes;       // --notes FILE
    std::optional<std::string> port;        // --port P, checked by the command
    std::optional<std::string> jobs;        // --jobs N, checked by the command
    std::optional<std::string> git;         // --git REPO
    std::optional<std::string> from;        // --from COMMIT
    bool verify = false;                    // --verify
    bool changesOnly = false;               // --changes-only
    bool allowIncomplete = false;           // --allow-incomplete
    bool otherModel = false;                // --other-model
    bool verbose = false;                   // -v, --verbose
    bool serialList = false;                // --serial with no device after it
    bool json = false;                      // --json
    bool force = false;                     // --force
    bool push = false;                      // --push
    bool quiet = false;                     // --quiet
    bool ignoreVolume = false;              // --ignore-volume
    bool help = false;                      // -h or --help
    unsigned given = 0;                     // the Option bits of the options present
};

struct ParsedArguments {
    Arguments arguments;
    std::string error; // empty when the words were understood
};

// "--" ends the options, so a file may be named "-o"; a lone "-" is a word (standard input).
// Options that take a value accept "--name VALUE" and "--name=VALUE".
ParsedArguments parseArguments(const std::vector<std::string>& words);

} // namespace zel::tool
