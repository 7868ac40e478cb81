#pragma once
// One live session per unit address on this computer: a lock file per address in the user's data
// folder ("localhost" and 127.0.0.1 are one), naming the window that holds it. The unit itself,
// by any address, is held by LiveIdentityLock once it has been read. A second window, of this
// program or another one, is told which window holds the unit; a lock whose program has gone counts
// for nothing.

#include <QString>

#include <memory>

class QLockFile;

namespace zel::session {

class LiveUnitLock {
public:
    LiveUnitLock();
    ~LiveUnitLock();
    LiveUnitLock(const LiveUnitLock&) = delete;
    LiveUnitLock& operator=(const LiveUnitLock&) = delete;

    // Takes `unit` (as the journal names it) for the window titled `window`. False when another
    // window holds it (heldBy() names it) or the lock cannot be written (heldBy() says why).
    bool take(const QString& unit, const QString& window);
    void release();

    // Who holds the unit, when take() failed: "Unit 1 (process 4711)".
    QString heldBy() const { return m_heldBy; }

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_holderPath;
    QString m_heldBy;
};

} // namespace zel::session
