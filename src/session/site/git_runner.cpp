#include "session/site/git_runner.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

namespace zel::session {

namespace {

const QString kGitProgram = QStringLiteral("git");

QProcessEnvironment gitEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // A run from a timer has no terminal to answer a password question at.
    environment.insert(QStringLiteral("GIT_TERMINAL_PROMPT"), QStringLiteral("0"));
    return environment;
}

} // namespace

QString GitResult::failure() const
{
    if (!started)
        return QCoreApplication::translate("Site",
                                           "the git command cannot be run (is git installed?)");
    if (timedOut)
        return QCoreApplication::translate("Site", "git did not end in time");
    const QStringList lines =
        QString::fromLocal8Bit(err.isEmpty() ? out : err).trimmed().split(QLatin1Char('\n'));
    // "fatal: ..." and "error: ..." say what went wrong, and a push names each refused branch
    // on a line of " ! "; hints after them only say what to try.
    QStringList said;
    for (const QString& line : lines)
        if (line.startsWith(QLatin1String("fatal:")) || line.startsWith(QLatin1String("error:")) ||
            line.startsWith(QLatin1String(" ! ")))
            said << line.trimmed();
    if (said.isEmpty() && !lines.isEmpty())
        said << lines.last().trimmed();
    said.removeAll(QString());
    return said.isEmpty()
               ? QCoreApplication::translate("Site", "git ended with status %1").arg(exitCode)
               : said.join(QStringLiteral("; "));
}

GitRunner::GitRunner(QString folder, std::chrono::milliseconds timeout)
    : m_folder(std::move(folder)), m_timeout(timeout)
{
}

GitResult GitRunner::run(const QStringList& arguments, const QByteArray& input) const
{
    QStringList words{QStringLiteral("-C"), m_folder};
    for (const QString& setting : m_settings)
        words << QStringLiteral("-c") << setting;
    words << arguments;
    QProcess git;
    git.setProcessEnvironment(gitEnvironment());
    git.start(kGitProgram, words);
    GitResult result;
    if (!git.waitForStarted())
        return result;
    result.started = true;
    if (!input.isEmpty())
        git.write(input);
    git.closeWriteChannel();
    if (!git.waitForFinished(static_cast<int>(m_timeout.count()))) {
        git.kill();
        git.waitForFinished();
        result.timedOut = true;
    }
    result.exitCode = git.exitStatus() == QProcess::NormalExit ? git.exitCode() : -1;
    result.out = git.readAllStandardOutput();
    result.err = git.readAllStandardError();
    return result;
}

} // namespace zel::session
