// zeltool's documents name every command and subcommand the program has, walked from its own
// --help (the list of its command table): the guide docs/zeltool.md, and the manual page that
// help2man makes of that --help, as the package makes it.

#include "tool_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace zel::tool::test {
namespace {

struct ListedCommand {
    std::string name;
    std::string usage;
    std::vector<std::string> verbs; // the words a usage's alternatives begin with: "backup"
};

bool isVerb(const std::string& word)
{
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The first word of each alternative of `usage`, split at "|" outside brackets (a usage wholly
// in brackets taken from within them), that is a word of small letters.
std::vector<std::string> verbsOf(std::string usage)
{
    if (usage.size() > 1 && usage.front() == '[' && usage.back() == ']')
        usage = usage.substr(1, usage.size() - 2);
    std::vector<std::string> verbs;
    std::string alternative;
    int depth = 0;
    const auto take = [&] {
        std::istringstream words(alternative);
        std::string first;
        words >> first;
        if (isVerb(first))
            verbs.push_back(first);
        alternative.clear();
    };
    for (char c : usage) {
        depth += c == '[' ? 1 : c == ']' ? -1 : 0;
        if (c == '|' && depth == 0)
            take();
        else
            alternative += c;
    }
    take();
    return verbs;
}

// The commands under "Commands:", one "  zeltool NAME USAGE" line each.
std::vector<ListedCommand> listedCommands(const std::string& help)
{
    std::vector<ListedCommand> commands;
    std::istringstream lines(help.substr(help.find("Commands:")));
    const std::string lead = "  zeltool ";
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(lead, 0) != 0)
            continue;
        const std::string rest = line.substr(lead.size());
        const size_t blank = std::min(rest.find(' '), rest.size());
        const std::string usage = rest.substr(std::min(blank + 1, rest.size()));
        commands.push_back({rest.substr(0, blank), usage, verbsOf(usage)});
    }
    return commands;
}

// A roff page as its reader sees the words: escaped dashes plain, font changes gone.
std::string pageWords(std::string page)
{
    for (const std::string escape : {"\\fB", "\\fI", "\\fR", "\\fP", "\\&"}) {
        for (size_t at = page.find(escape); at != std::string::npos; at = page.find(escape, at))
            page.erase(at, escape.size());
    }
    for (size_t at = page.find("\\-"); at != std::string::npos; at = page.find("\\-", at))
        page.erase(at, 1);
    return page;
}

TEST(ZeltoolManual, GuideAndManualPageNameEveryCommand)
{
    const ToolRun help = runZeltool({"--help"});
    ASSERT_EQ(help.exitCode, 0) << help.err;
    const std::vector<ListedCommand> commands = listedCommands(help.out);
    ASSERT_GE(commands.size(), 10u) << help.out;

    struct Document {
        std::string name;
        std::string words;
        std::vector<std::string> (*mentions)(const ListedCommand& command);
    };
    // The guide shows each command and subcommand at work ("zeltool site verify hotel.zelsite");
    // the manual page gives each usage line as --help does.
    std::vector<Document> documents = {
        {"docs/zeltool.md", readFile(ZEL_SOURCE_DIR "/docs/zeltool.md"),
         [](const ListedCommand& command) {
             std::vector<std::string> mentions = {"zeltool " + command.name};
             for (const std::string& verb : command.verbs)
                 mentions.push_back("zeltool " + command.name + " " + verb);
             return mentions;
         }}};
    const std::string help2man = "/usr/bin/help2man";
    if (std::filesystem::exists(help2man)) {
        const ToolRun page =
            runProgram(help2man, {"--no-info", "--no-discard-stderr", "--version-string=0",
                                  "--name=zeltool", ZELTOOL_PATH});
        ASSERT_EQ(page.exitCode, 0) << page.err;
        documents.push_back({"help2man's page", pageWords(page.out), [](const ListedCommand& c) {
                                 return std::vector<std::string>{"zeltool " + c.name + " " +
                                                                 c.usage};
                             }});
    }
    for (const Document& document : documents) {
        SCOPED_TRACE(document.name);
        ASSERT_FALSE(document.words.empty());
        for (const ListedCommand& command : commands) {
            for (const std::string& mention : document.mentions(command))
                EXPECT_TRUE(document.words.find(mention) != std::string::npos)
                    << "does not name \"" << mention << "\"";
        }
    }
}

} // namespace
} // namespace zel::tool::test
