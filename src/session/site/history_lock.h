#pragma once
// Keeps two runs from writing one repository at once: a lock file in the repository's Git
// folder that names the run holding it (its program, process, host and since when). A second
// run waits a moment for it, then says who holds it. A lock left by a run that ended without
// taking it away (its process is gone) is taken over; one of a run still going never is, however
// long that run takes.

#include <QLockFile>
#include <QString>

#include <chrono>

namespace zel::session {

class HistoryLock {
public:
    explicit HistoryLock(const QString& gitFolder);

    // Takes the lock, waiting up to `wait` for another run to give it up. Returns why it could
    // not: which run holds it, or why the lock file cannot be made; empty once it is held.
    QString acquire(std::chrono::milliseconds wait);
    // Held until the object goes, or until this is called.
    void release() { m_lock.unlock(); }

    static QString fileName() { return QStringLiteral("zelconfig-history.lock"); }

private:
    QString m_path;
    QLockFile m_lock;
};

} // namespace zel::session
