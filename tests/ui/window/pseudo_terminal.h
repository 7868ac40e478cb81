#pragma once
// A pseudo-terminal pair for serial tests that play the unit's end of the line themselves: the
// window opens the terminal's path, the test writes and reads the other end.

#include <QByteArray>
#include <QString>

#include <pty.h>
#include <unistd.h>

namespace zel::test {

class PseudoTerminal {
public:
    PseudoTerminal()
    {
        if (::openpty(&m_fd, &m_terminal, nullptr, nullptr, nullptr) != 0) {
            m_fd = m_terminal = -1;
            return;
        }
        if (const char* name = ::ttyname(m_terminal))
            m_path = QString::fromLatin1(name);
    }
    ~PseudoTerminal() { hangUp(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // The path the window opens; empty when no terminal could be made.
    QString path() const { return m_path; }
    bool write(const QByteArray& bytes)
    {
        return m_fd >= 0 && ::write(m_fd, bytes.constData(), bytes.size()) == bytes.size();
    }
    // Closes the unit's end, as when a cable is pulled.
    void hangUp()
    {
        for (int* fd : {&m_fd, &m_terminal}) {
            if (*fd >= 0)
                ::close(*fd);
            *fd = -1;
        }
    }

private:
    int m_fd = -1;       // the unit's end
    int m_terminal = -1; // the line's end, held open until the unit's end goes
    QString m_path;
};

} // namespace zel::test
