#include "session/site/history_lock.h"

#include "session/site/site_outcome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zel::session {

HistoryLock::HistoryLock(const QString& gitFolder)
    : m_path(QDir(gitFolder).filePath(fileName())), m_lock(m_path)
{
    // Only a run whose process is gone leaves a stale lock: a long run over a slow serial line
    // is still a run.
    m_lock.setStaleLockTime(0);
}

QString HistoryLock::acquire(std::chrono::milliseconds wait)
{
    if (m_lock.tryLock(static_cast<int>(wait.count())))
        return {};
    if (m_lock.error() != QLockFile::LockFailedError)
        return QCoreApplication::translate("Site", "its lock file %1 cannot be made").arg(m_path);
    qint64 pid = 0;
    QString host, program;
    if (!m_lock.getLockInfo(&pid, &host, &program))
        return QCoreApplication::translate("Site", "another run holds it (%1)").arg(m_path);
    const QDateTime since = QFileInfo(m_path).lastModified();
    return QCoreApplication::translate("Site",
                                       "another run holds it: %1 (process %2) on %3, since %4 (%5)")
        .arg(program.isEmpty() ? QCoreApplication::translate("Site", "a program") : program)
        .arg(pid)
        .arg(host, shortTimeText(since), m_path);
}

} // namespace zel::session
