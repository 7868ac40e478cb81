#pragma once
// Runs the built zeltool as a child process and collects what it printed.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace zel::tool::test {

struct ToolRun {
    int exitCode = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `arguments`, `input` on standard input. Standard output goes to
// `stdoutPath` when it is given (e.g. /dev/full), else it is collected.
ToolRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& input = {}, const std::string& stdoutPath = {});

// Runs zeltool with `arguments`, `input` on standard input. Standard output goes to
// `stdoutPath` when it is given (e.g. /dev/full), else it is collected.
ToolRun runZeltool(const std::vector<std::string>& arguments, const std::string& input = {},
                   const std::string& stdoutPath = {});

// A fresh folder, removed with everything in it when the object goes.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// XDG_DATA_HOME, where zeltool keeps its journal, is a fresh folder while the object lives. One
// stands for the whole test program, so no test reaches the user's own journal.
struct ScopedDataHome {
    ScopedDataHome() { ::setenv("XDG_DATA_HOME", folder.path().c_str(), 1); }
    ~ScopedDataHome() { ::setenv("XDG_DATA_HOME", previous.c_str(), 1); } // empty: unset
    const char* set = std::getenv("XDG_DATA_HOME");
    std::string previous = set ? set : "";
    TemporaryFolder folder;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

} // namespace zel::tool::test
