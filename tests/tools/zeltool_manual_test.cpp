// zeltool's guide, docs/zeltool.md, shows every command and subcommand at work, walked from the
// program's own --help (its command table). The manual page, which help2man makes of that --help,
// is checked in the package (scripts/package-check.sh).

#include "tool_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace zel::tool::test {
namespace {

// The first word of each alternative of `usage` ("backup|verify SITE ... | restore SITE UNIT"),
// split at the "|" outside brackets, that is a word of small letters: the subcommands.
std::vector<std::string> subcommandsOf(std::string usage)
{
    if (usage.size() > 1 && usage.front() == '[' && usage.back() == ']')
        usage = usage.substr(1, usage.size() - 2); // "[show N | keep N]": all of it optional
    std::vector<std::string> subcommands;
    std::string alternative;
    int depth = 0;
    for (size_t at = 0; at <= usage.size(); ++at) {
        const char c = at < usage.size() ? usage[at] : '|';
        depth += c == '[' ? 1 : c == ']' ? -1 : 0;
        if (c != '|' || depth > 0) {
            alternative += c;
            continue;
        }
        std::string first;
        std::istringstream(alternative) >> first;
        if (!first.empty() && first.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == first.npos)
            subcommands.push_back(first);
        alternative.clear();
    }
    return subcommands;
}

TEST(ZeltoolManual, GuideShowsEveryCommandAndSubcommand)
{
    const ToolRun help = runZeltool({"--help"});
    ASSERT_EQ(help.exitCode, 0) << help.err;
    const std::string guide = readFile(ZEL_SOURCE_DIR "/docs/zeltool.md");
    ASSERT_FALSE(guide.empty());
    ASSERT_NE(help.out.find("Commands:"), std::string::npos) << help.out;

    int commands = 0;
    std::istringstream lines(help.out.substr(help.out.find("Commands:")));
    for (std::string line; std::getline(lines, line);) {
        const std::string lead = "  zeltool ";
        if (line.rfind(lead, 0) != 0)
            continue; // a command's summary
        ++commands;
        const size_t nameEnd = std::min(line.find(' ', lead.size()), line.size());
        const std::string command = "zeltool " + line.substr(lead.size(), nameEnd - lead.size());
        std::vector<std::string> mentions = {command};
        for (const std::string& subcommand :
             subcommandsOf(line.substr(std::min(nameEnd + 1, line.size()))))
            mentions.push_back(command + " " + subcommand);
        for (const std::string& mention : mentions)
            EXPECT_NE(guide.find(mention + " "), std::string::npos)
                << "docs/zeltool.md does not show \"" << mention << "\"";
    }
    EXPECT_GE(commands, 10) << help.out;
}

} // namespace
} // namespace zel::tool::test
