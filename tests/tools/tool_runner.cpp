#include "tool_runner.h"

#include <gtest/gtest.h>

#include <memory>

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

extern char** environ;

namespace zel::tool::test {

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zeltool-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

namespace {

const ScopedDataHome kProgramDataHome;

// Every test keeps its journal and unit directory apart: a unit the journal saw in one test
// must not be taken for the unit that a later test's simulator answers for on the same port.
class DataHomePerTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        m_home = std::make_unique<ScopedDataHome>();
    }
    void OnTestEnd(const testing::TestInfo&) override { m_home.reset(); }
    std::unique_ptr<ScopedDataHome> m_home;
};

const bool kDataHomePerTest = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new DataHomePerTest);
    return true;
}();

} // namespace

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

ToolRun runZeltool(const std::vector<std::string>& arguments, const std::string& input,
                   const std::string& stdoutPath)
{
    return runProgram(ZELTOOL_PATH, arguments, input, stdoutPath);
}

ToolRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& input, const std::string& stdoutPath)
{
    const TemporaryFolder folder;
    const std::string inPath = folder.file("stdin");
    const std::string outPath = stdoutPath.empty() ? folder.file("stdout") : stdoutPath;
    const std::string errPath = folder.file("stderr");
    writeFile(inPath, input);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    ToolRun run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + program);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (stdoutPath.empty())
        run.out = readFile(outPath);
    run.err = readFile(errPath);
    return run;
}

} // namespace zel::tool::test
