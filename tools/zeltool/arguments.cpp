#include "arguments.h"

namespace zel::tool {

ParsedArguments parseArguments(const std::vector<std::string>& words)
{
    ParsedArguments parsed;
    Arguments& arguments = parsed.arguments;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word == "-" || word.empty() || word.front() != '-') {
            arguments.positional.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "-h" || word == "--help") {
            arguments.help = true;
        } else if (word == "-o" || word == "--output" || word.rfind("--output=", 0) == 0) {
            if (arguments.output) {
                parsed.error = "the output file is given twice";
                return parsed;
            }
            if (word.rfind("--output=", 0) == 0) {
                arguments.output = word.substr(std::string("--output=").size());
            } else if (i + 1 < words.size()) {
                arguments.output = words[++i];
            } else {
                parsed.error = "option '" + word + "' needs a file name";
                return parsed;
            }
            if (arguments.output->empty()) {
                parsed.error = "the output file name is empty";
                return parsed;
            }
        } else {
            parsed.error = "unknown option '" + word + "'";
            return parsed;
        }
    }
    return parsed;
}

} // namespace zel::tool
