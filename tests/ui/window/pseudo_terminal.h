#pragma once
// A pseudo-terminal pair for serial tests that play the unit's end of the line themselves: the
// window opens the terminal's path, the test writes and reads the other end.

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace zel::test {

class PseudoTerminal {
public:
    PseudoTerminal()
    {
        m_fd = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_fd >= 0 && grantpt(m_fd) == 0 && unlockpt(m_fd) == 0)
            m_path = QString::fromLatin1(ptsname(m_fd));
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
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
    QString m_path;
};

} // namespace zel::test
