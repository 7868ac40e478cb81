#pragma once
// zelsim as a child process for a test: on an ephemeral loopback port or a pseudo-terminal,
// stopped when the object goes.

#include <string>
#include <sys/types.h>
#include <vector>

namespace zel::tool::test {

class SimulatedUnit {
public:
    enum class Link { Tcp, Pty };

    // Starts zelsim with `options` (faults, --config FILE, --tcp ADDRESS:PORT) and waits until it
    // says where it serves. Throws std::runtime_error when it does not start.
    explicit SimulatedUnit(Link link, const std::vector<std::string>& options = {});
    ~SimulatedUnit();
    SimulatedUnit(const SimulatedUnit&) = delete;
    SimulatedUnit& operator=(const SimulatedUnit&) = delete;

    // "127.0.0.1:PORT", or the pseudo-terminal's path.
    const std::string& address() const { return m_address; }
    // Ends the unit at once, as if it were switched off; its port is then free.
    void stop();

private:
    pid_t m_pid = 0;
    int m_output = -1; // read end of zelsim's standard output
    std::string m_address;
};

} // namespace zel::tool::test
