#include "zelsim_process.h"

#include <QDeadlineTimer>

namespace zel::test {

ZelSimProcess::~ZelSimProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool ZelSimProcess::start(Link link, const QStringList& faults, const QString& tcp)
{
    QStringList arguments = faults;
    arguments << QStringLiteral("--verbose");
    if (link == Link::Tcp)
        arguments << QStringLiteral("--tcp") << tcp;
    else
        arguments << QStringLiteral("--pty");
    m_process.start(QStringLiteral(ZELSIM_PATH), arguments);
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    const QByteArray prefix = link == Link::Tcp ? "listening on " : "pseudo-terminal ";
    QByteArray output;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        output += m_process.readAllStandardOutput();
        const qsizetype start = output.indexOf(prefix);
        const qsizetype end = start < 0 ? -1 : output.indexOf('\n', start);
        if (end >= 0) {
            m_announced = output;
            m_address =
                QString::fromLatin1(output.mid(start + prefix.size(), end - start - prefix.size()));
            return true;
        }
        if (!m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
    }
    m_error = QStringLiteral("zelsim did not start: ") + QString::fromLatin1(output) +
              QString::fromLatin1(m_process.readAllStandardError());
    return false;
}

QString ZelSimProcess::announced(const QByteArray& prefix) const
{
    const qsizetype start = m_announced.indexOf(prefix);
    return start < 0 ? QString()
                     : QString::fromLatin1(m_announced.mid(start + prefix.size()).split('\n')[0]);
}

int ZelSimProcess::openedConnections()
{
    return static_cast<int>(stderrLines().count(QByteArrayLiteral("connection opened")));
}

bool ZelSimProcess::control(const QByteArray& command)
{
    if (m_process.write(command + '\n') != command.size() + 1 || !m_process.waitForBytesWritten())
        return false;
    // zelsim says when it has carried the command out.
    const QByteArray done = "control done: " + command.trimmed();
    const qsizetype before = stderrLines().count(done);
    m_process.setReadChannel(QProcess::StandardError);
    bool taken = false;
    while (!(taken = stderrLines().count(done) > before) && m_process.waitForReadyRead(5000))
        m_stderr += m_process.readAllStandardError();
    m_process.setReadChannel(QProcess::StandardOutput);
    return taken;
}

void ZelSimProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

QStringList ZelSimProcess::receivedCommands()
{
    // zelsim prints a command before it answers it, but the pipe may be read after the answer:
    // take in whatever is still on its way.
    m_process.setReadChannel(QProcess::StandardError);
    while (m_process.waitForReadyRead(50))
        m_stderr += m_process.readAllStandardError();
    m_process.setReadChannel(QProcess::StandardOutput);
    QStringList commands;
    for (const QByteArray& line : stderrLines())
        if (line.startsWith("command: "))
            commands << QString::fromLatin1(line.mid(9));
    return commands;
}

int ZelSimProcess::closedConnections()
{
    return static_cast<int>(stderrLines().count(QByteArrayLiteral("connection closed")));
}

QList<QByteArray> ZelSimProcess::stderrLines()
{
    m_stderr += m_process.readAllStandardError();
    return m_stderr.split('\n');
}

} // namespace zel::test
