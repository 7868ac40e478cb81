#include "simulated_unit.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zel::tool::test {

namespace {

constexpr int kStartTimeoutMs = 10000;

} // namespace

SimulatedUnit::SimulatedUnit(Link link, const std::vector<std::string>& options)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe for zelsim");
    m_output = pipeEnds[0];

    std::vector<std::string> words = {ZELSIM_PATH};
    words.insert(words.end(), options.begin(), options.end());
    const bool listenGiven = std::find(options.begin(), options.end(), "--tcp") != options.end();
    if (link == Link::Tcp && !listenGiven)
        words.insert(words.end(), {"--tcp", "0"});
    else
        words.push_back("--pty");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    const int spawned = posix_spawn(&m_pid, ZELSIM_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (spawned != 0) {
        ::close(m_output);
        throw std::runtime_error("cannot start zelsim");
    }

    const std::string prefix = link == Link::Tcp ? "listening on " : "pseudo-terminal ";
    std::string output;
    for (;;) {
        const std::size_t start = output.find(prefix);
        const std::size_t end = start == std::string::npos ? start : output.find('\n', start);
        if (end != std::string::npos) {
            m_address = output.substr(start + prefix.size(), end - start - prefix.size());
            return;
        }
        pollfd ready{m_output, POLLIN, 0};
        char buffer[256];
        const ssize_t count =
            ::poll(&ready, 1, kStartTimeoutMs) == 1 ? ::read(m_output, buffer, sizeof buffer) : 0;
        if (count <= 0)
            break;
        output.append(buffer, static_cast<std::size_t>(count));
    }
    stop();
    throw std::runtime_error("zelsim did not start: " + output);
}

SimulatedUnit::~SimulatedUnit()
{
    stop();
}

void SimulatedUnit::stop()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        while (::waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        m_pid = 0;
    }
    if (m_output >= 0) {
        ::close(m_output);
        m_output = -1;
    }
}

} // namespace zel::tool::test
