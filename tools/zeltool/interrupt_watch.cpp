#include "interrupt_watch.h"

#include <QMetaObject>
#include <QSocketNotifier>

#include <utility>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <atomic>
#include <windows.h>
#endif

namespace zel::tool {

namespace {

#if defined(Q_OS_UNIX)

// The signal handler may only write: a byte into this socket pair, read on the event loop.
int g_pair[2] = {-1, -1};

extern "C" void onInterrupt(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pair[0], &byte, 1);
    std::signal(SIGINT, SIG_DFL); // a second Ctrl+C is not waited on
}

#elif defined(Q_OS_WIN)

// The console calls its handler on a thread of its own: the watch hears of it through its event
// loop, queued.
std::atomic<InterruptWatch*> g_watch{nullptr};
std::atomic<bool> g_heard{false};

BOOL WINAPI onConsoleControl(DWORD type)
{
    InterruptWatch* watch = g_watch.load();
    if (type != CTRL_C_EVENT || !watch || g_heard.exchange(true))
        return FALSE; // the console's own handling: a second Ctrl+C ends the program
    QMetaObject::invokeMethod(watch, "onInterrupted", Qt::QueuedConnection);
    return TRUE;
}

#endif

} // namespace

InterruptWatch::InterruptWatch(QObject* parent) : QObject(parent)
{
#if defined(Q_OS_UNIX)
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pair) != 0)
        return; // Ctrl+C then ends the program as usual
    m_notifier = new QSocketNotifier(g_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(g_pair[1], &byte, 1);
        m_notifier->setEnabled(false);
        onInterrupted();
    });
    std::signal(SIGINT, onInterrupt);
#elif defined(Q_OS_WIN)
    g_heard = false;
    g_watch = this;
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
#endif
}

InterruptWatch::~InterruptWatch()
{
#if defined(Q_OS_UNIX)
    std::signal(SIGINT, SIG_DFL);
    delete m_notifier;
    for (int& end : g_pair) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
#elif defined(Q_OS_WIN)
    SetConsoleCtrlHandler(onConsoleControl, FALSE);
    g_watch = nullptr;
#endif
}

void InterruptWatch::onInterrupted()
{
    if (std::exchange(m_interrupted, true))
        return;
    emit interrupted();
}

} // namespace zel::tool
