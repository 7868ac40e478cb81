#include "pty_device.h"

#include <QSocketNotifier>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace zelsim {

#ifdef Q_OS_UNIX

std::unique_ptr<PtyDevice> PtyDevice::create(QString& error)
{
    int master = -1;
    int terminal = -1;
    if (::openpty(&master, &terminal, nullptr, nullptr, nullptr) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    termios settings{};
    const char* name = ::ttyname(terminal);
    if (!name || ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK) != 0 ||
        tcgetattr(terminal, &settings) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(master);
        ::close(terminal);
        return nullptr;
    }
    const QString path = QString::fromLocal8Bit(name);
    cfmakeraw(&settings);
    tcsetattr(terminal, TCSANOW, &settings);
    return std::unique_ptr<PtyDevice>(new PtyDevice(master, terminal, path));
}

PtyDevice::PtyDevice(int master, int terminal, QString terminalPath)
    : m_master(master), m_terminal(terminal), m_terminalPath(std::move(terminalPath)),
      m_readNotifier(new QSocketNotifier(master, QSocketNotifier::Read, this)),
      m_writeNotifier(new QSocketNotifier(master, QSocketNotifier::Write, this))
{
    m_writeNotifier->setEnabled(false);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyDevice::readyRead);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyDevice::flushWrites);
    QIODevice::open(QIODevice::ReadWrite | QIODevice::Unbuffered);
}

PtyDevice::~PtyDevice()
{
    close();
}

void PtyDevice::close()
{
    if (m_master < 0)
        return;
    QIODevice::close();
    m_readNotifier->setEnabled(false);
    m_writeNotifier->setEnabled(false);
    ::close(m_master);
    ::close(m_terminal);
    m_master = m_terminal = -1;
}

void PtyDevice::hangUpOnceRead()
{
    if (m_master < 0)
        return;
    // Bytes written to the master reach the terminal's queue a moment later, when the kernel
    // pushes them on, and a hang-up discards that queue. So the queue being empty proves nothing
    // until what was sent has been seen waiting in it; a reader so quick that it was never seen
    // there is given a few more rounds (50 ms) instead.
    int unread = 0;
    const bool queryFailed = ::ioctl(m_terminal, FIONREAD, &unread) != 0;
    if (unread > 0)
        m_sentSeenUnread = true;
    const bool readAll =
        queryFailed || (unread == 0 && (m_sentSeenUnread || ++m_emptyRounds >= 25));
    if (m_writeBuffer.isEmpty() && readAll) {
        close();
        return;
    }
    QTimer::singleShot(2, this, &PtyDevice::hangUpOnceRead);
}

qint64 PtyDevice::readData(char* data, qint64 maxSize)
{
    const ssize_t n = ::read(m_master, data, static_cast<size_t>(maxSize));
    if (n >= 0)
        return n;
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

qint64 PtyDevice::writeData(const char* data, qint64 size)
{
    // Written from the event loop, so that bytesWritten() never comes from inside write().
    m_writeBuffer.append(data, size);
    m_writeNotifier->setEnabled(true);
    return size;
}

void PtyDevice::flushWrites()
{
    qint64 written = 0;
    while (!m_writeBuffer.isEmpty()) {
        const ssize_t n =
            ::write(m_master, m_writeBuffer.constData(), static_cast<size_t>(m_writeBuffer.size()));
        if (n <= 0)
            break; // the terminal's queue is full: wait until it takes more
        m_writeBuffer.remove(0, n);
        written += n;
    }
    m_writeNotifier->setEnabled(!m_writeBuffer.isEmpty());
    if (written > 0)
        emit bytesWritten(written);
}

#else // a system without pseudo-terminals: the serial side is not offered

std::unique_ptr<PtyDevice> PtyDevice::create(QString& error)
{
    error = QStringLiteral("this system has no pseudo-terminals");
    return nullptr;
}

PtyDevice::~PtyDevice() = default;
void PtyDevice::close() {}
void PtyDevice::hangUpOnceRead() {}
qint64 PtyDevice::readData(char*, qint64)
{
    return -1;
}
qint64 PtyDevice::writeData(const char*, qint64)
{
    return -1;
}
void PtyDevice::flushWrites() {}

#endif

} // namespace zelsim
