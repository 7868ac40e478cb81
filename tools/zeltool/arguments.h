#pragma once
// The words that follow a subcommand: positional words and the -o OUT option.

#include <optional>
#include <string>
#include <vector>

namespace zel::tool {

struct Arguments {
    std::vector<std::string> positional;
    std::optional<std::string> output; // -o OUT, --output OUT or --output=OUT
    bool help = false;                 // -h or --help
};

struct ParsedArguments {
    Arguments arguments;
    std::string error; // empty when the words were understood
};

// "--" ends the options, so a file may be named "-o"; a lone "-" is a word (standard input).
ParsedArguments parseArguments(const std::vector<std::string>& words);

} // namespace zel::tool
