#pragma once
// One live session per unit on this computer, whatever address or port reaches it: the window
// that goes live registers the unit its start read found (its fingerprint) in the user's data
// folder, beside a lock file that lives as long as the window holds it. A window that goes live
// on a unit that looks like a registered one (see unit_fingerprint.h) is told which window holds
// it; a registration whose program has gone counts for nothing. Units still at the blank
// template's names cannot be told apart by their configurations: only their address is locked
// (LiveUnitLock).

#include "session/unit/unit_fingerprint.h"

#include <QString>

#include <memory>

class QLockFile;

namespace zel::session {

class LiveIdentityLock {
public:
    LiveIdentityLock();
    ~LiveIdentityLock();
    LiveIdentityLock(const LiveIdentityLock&) = delete;
    LiveIdentityLock& operator=(const LiveIdentityLock&) = delete;

    // Takes the unit `read` describes for the window titled `window`, or, taken already, has the
    // registration follow what the unit is now. False when another window holds a unit that
    // looks like it (heldBy() names it; what this one held stays held) or the registration
    // cannot be written (heldBy() says why).
    bool take(const UnitFingerprint& read, const QString& window);
    void release();

    // Who holds the unit, when take() failed: "Unit 1 (process 4711)".
    QString heldBy() const { return m_heldBy; }

private:
    // The window that holds a unit looking like `read`, or why the folder cannot be used; empty
    // when none does. Registrations left by programs that have gone are removed.
    QString holderOf(const UnitFingerprint& read, const QString& folder) const;

    std::unique_ptr<QLockFile> m_lock;
    QString m_base; // the registration's path without its ending
    QString m_heldBy;
};

} // namespace zel::session
