#include "arguments.h"

#include <algorithm>
#include <array>

namespace zel::tool {

namespace {

// An option that takes a value, and how messages name it.
struct ValueOption {
    const char* shortName; // nullptr when there is none
    const char* longName;
    const char* needs;     // "option '-o' needs a file name"
    const char* subject;   // "the output file is given twice"
    const char* emptyText; // when the value is empty
    Option group;
    std::optional<std::string> Arguments::*member;
};

const std::array<ValueOption, 14> kValueOptions = {{
    {"-o", "--output", "a file name", "the output file", "the output file name is empty",
     kOptionOutput, &Arguments::output},
    {nullptr, "--tcp", "a host", "the host", "the host is empty", kOptionTarget, &Arguments::tcp},
    {nullptr, "--serial", "a device", "the serial device", "the serial device is empty",
     kOptionTarget, &Arguments::serial},
    {nullptr, "--timeout", "a number of seconds", "the time-out", "the time-out is empty",
     kOptionTransfer, &Arguments::timeout},
    {nullptr, "--changes-from", "a file or a unit", "the earlier configuration",
     "the earlier configuration is empty", kOptionReport, &Arguments::changesFrom},
    {nullptr, "--paper", "a paper size", "the paper size", "the paper size is empty", kOptionReport,
     &Arguments::paper},
    {nullptr, "--site", "the site's name", "the site", "the site is empty", kOptionReport,
     &Arguments::site},
    {nullptr, "--client", "the client's name", "the client", "the client is empty", kOptionReport,
     &Arguments::client},
    {nullptr, "--installer", "the installer's name", "the installer", "the installer is empty",
     kOptionReport, &Arguments::installer},
    {nullptr, "--notes", "a file name", "the notes file", "the notes file name is empty",
     kOptionReport, &Arguments::notes},
    {nullptr, "--port", "a port number", "the port", "the port is empty", kOptionScan,
     &Arguments::port},
    {nullptr, "--jobs", "a number", "the number of jobs", "the number of jobs is empty",
     kOptionScan, &Arguments::jobs},
    {nullptr, "--git", "a repository's folder", "the repository", "the repository is empty",
     kOptionHistory, &Arguments::git},
    {nullptr, "--from", "a commit", "the commit", "the commit is empty", kOptionFrom,
     &Arguments::from},
}};

// A flag: an option that takes no value.
struct FlagOption {
    const char* name;
    Option group;
    bool Arguments::*member;
};

const std::array<FlagOption, 7> kFlagOptions = {{
    {"--verify", kOptionVerify, &Arguments::verify},
    {"--changes-only", kOptionChangesOnly, &Arguments::changesOnly},
    {"--json", kOptionJson, &Arguments::json},
    {"--force", kOptionForce, &Arguments::force},
    {"--push", kOptionHistory, &Arguments::push},
    {"--quiet", kOptionHistory, &Arguments::quiet},
    {"--ignore-volume", kOptionIgnoreVolume, &Arguments::ignoreVolume},
}};

bool startsWith(const std::string& word, const std::string& prefix)
{
    return word.rfind(prefix, 0) == 0;
}

} // namespace

ParsedArguments parseArguments(const std::vector<std::string>& words)
{
    ParsedArguments parsed;
    Arguments& arguments = parsed.arguments;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word == "-" || word.empty() || word.front() != '-') {
            arguments.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "-h" || word == "--help") {
            arguments.help = true;
            continue;
        }
        const auto flag = std::find_if(kFlagOptions.begin(), kFlagOptions.end(),
                                       [&word](const FlagOption& f) { return word == f.name; });
        if (flag != kFlagOptions.end()) {
            arguments.*(flag->member) = true;
            arguments.given |= flag->group;
            continue;
        }
        // "--serial" with no device after it: find lists the ports; elsewhere it is refused.
        if (word == "--serial" && !arguments.serial &&
            (i + 1 == words.size() || (words[i + 1].size() > 1 && words[i + 1][0] == '-'))) {
            arguments.serialList = true;
            arguments.given |= kOptionSerialList;
            continue;
        }
        if (word == "--allow-incomplete" || word == "--other-model") {
            (word == "--other-model" ? arguments.otherModel : arguments.allowIncomplete) = true;
            arguments.given |= word == "--other-model" ? kOptionOtherModel : kOptionAllowIncomplete;
            continue;
        }
        if (word == "-v" || word == "--verbose") {
            arguments.verbose = true;
            arguments.given |= kOptionTransfer;
            continue;
        }
        const ValueOption* option = nullptr;
        std::optional<std::string> inlineValue;
        for (const ValueOption& candidate : kValueOptions) {
            const std::string longName = candidate.longName;
            if (word == longName || (candidate.shortName && word == candidate.shortName)) {
                option = &candidate;
            } else if (startsWith(word, longName + "=")) {
                option = &candidate;
                inlineValue = word.substr(longName.size() + 1);
            }
        }
        if (!option) {
            parsed.error = "unknown option '" + word + "'";
            return parsed;
        }
        std::optional<std::string>& value = arguments.*(option->member);
        if (value) {
            parsed.error = std::string(option->subject) + " is given twice";
            return parsed;
        }
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            parsed.error = "option '" + word + "' needs " + option->needs;
            return parsed;
        }
        if (value->empty()) {
            parsed.error = option->emptyText;
            return parsed;
        }
        arguments.given |= option->group;
    }
    return parsed;
}

} // namespace zel::tool
