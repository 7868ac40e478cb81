#include "sim_control.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace zelsim {

SimControl::SimControl(QObject* parent) : QObject(parent)
{
#ifdef Q_OS_UNIX
    m_notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SimControl::readInput);
#endif // elsewhere standard input is no socket to be notified of: no commands are taken
}

const char* SimControl::help()
{
    return "Take commands on standard input, one a line: drop (close every connection, hang a "
           "pseudo-terminal up), away (drop and refuse connections), back (take them again), "
           "silent (answer nothing), talk (answer again), delay MS (wait MS before every reply "
           "from now on), keypad LINE (apply a config line as if set at the unit), restart "
           "(drop, and the configuration it started with again, as a unit switched off and on "
           "that lost what it was sent).";
}

void SimControl::readInput()
{
#ifdef Q_OS_UNIX
    char buffer[512];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
        m_notifier->setEnabled(false); // the end of the input: no more commands
        return;
    }
    m_pending.append(buffer, n);
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        const QByteArray line = m_pending.left(end).trimmed();
        m_pending.remove(0, end + 1);
        if (!line.isEmpty()) {
            handle(line);
            emit handled(line);
        }
    }
#endif
}

void SimControl::handle(const QByteArray& line)
{
    const qsizetype space = line.indexOf(' ');
    const QByteArray word = space < 0 ? line : line.left(space);
    const QByteArray rest = space < 0 ? QByteArray() : line.mid(space + 1).trimmed();
    bool ok = false;
    if (word == "drop")
        emit drop();
    else if (word == "away")
        emit away();
    else if (word == "back")
        emit back();
    else if (word == "silent" || word == "talk")
        emit silent(word == "silent");
    else if (const int ms = rest.toInt(&ok); word == "delay" && ok && ms >= 0)
        emit replyDelay(ms);
    else if (word == "keypad" && !rest.isEmpty())
        emit keypad(rest);
    else if (word == "restart")
        emit restart();
    else
        emit unknown(line);
}

} // namespace zelsim
