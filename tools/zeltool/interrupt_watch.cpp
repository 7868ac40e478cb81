#include "interrupt_watch.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace zel::tool {

namespace {

int g_pair[2] = {-1, -1};

extern "C" void onInterrupt(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pair[0], &byte, 1);
    std::signal(SIGINT, SIG_DFL); // a second Ctrl+C is not waited on
}

} // namespace

InterruptWatch::InterruptWatch(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pair) != 0)
        return; // Ctrl+C then ends the program as usual
    m_notifier = new QSocketNotifier(g_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(g_pair[1], &byte, 1);
        m_notifier->setEnabled(false);
        m_interrupted = true;
        emit interrupted();
    });
    std::signal(SIGINT, onInterrupt);
}

InterruptWatch::~InterruptWatch()
{
    std::signal(SIGINT, SIG_DFL);
    delete m_notifier;
    for (int& end : g_pair) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

} // namespace zel::tool
