// docs/zeltool.md shows every command and subcommand at work, walked from zeltool's own --help
// (its command table); the manual page made of that --help is checked in the package.
#include "tool_runner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zel::tool::test {
namespace {

// "zeltool NAME", then "zeltool NAME SUB" for each alternative of its usage ("backup|verify
// SITE | restore SITE UNIT", "[show N | keep N]") that begins with a word of small letters.
std::vector<std::string> mentionsOf(const std::string& name, const std::string& usage)
{
    std::vector<std::string> mentions = {"zeltool " + name};
    std::istringstream alternatives(usage);
    for (std::string alternative; std::getline(alternatives, alternative, '|');) {
        std::string first;
        std::istringstream(alternative) >> first;
        first.erase(0, first.find_first_not_of('['));
        if (!first.empty() && first.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == first.npos)
            mentions.push_back("zeltool " + name + " " + first);
    }
    return mentions;
}

TEST(ZeltoolManual, GuideShowsEveryCommandAndSubcommand)
{
    const ToolRun help = runZeltool({"--help"});
    ASSERT_NE(help.out.find("Commands:"), std::string::npos) << help.err;
    const std::string guide = readFile(ZEL_SOURCE_DIR "/docs/zeltool.md");
    int commands = 0;
    std::istringstream lines(help.out.substr(help.out.find("Commands:")));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string program, name, usage;
        if (!(words >> program >> name) || program != "zeltool")
            continue; // a command's summary
        ++commands;
        std::getline(words >> std::ws, usage);
        for (const std::string& mention : mentionsOf(name, usage))
            EXPECT_NE(guide.find(mention + " "), std::string::npos)
                << "docs/zeltool.md does not show \"" << mention << "\"";
    }
    EXPECT_GE(commands, 10) << help.out;
}

} // namespace
} // namespace zel::tool::test
