#pragma once
// The units this computer has met, each under its own identity: the name a site gave it, its
// fingerprint as last fetched whole, the addresses it was last reached at, its last backup, the
// last change seen and the last result of a site run. Kept as "units.json" in the per-user data
// folder, beside the journal folder, so that the window and zeltool share it. A unit that moves
// to another address is found again by its site name and its fingerprint, so it keeps its
// history.
//
// The file is read and written whole under a lock (the window and zeltool may both write). The
// lock is waited for a moment only, as the journal's is, since a window may wait with it. A file
// that exists but cannot be read is never replaced: the update is refused and says so.

#include "session/unit/unit_fingerprint.h"

#include "text/file_result.h"
#include "text/file_save.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

namespace zel::session {

struct ReachedAt {
    QString unit; // as the journal names it: "tcp:HOST:PORT", "serial:DEVICE"
    QDateTime when;
    bool operator==(const ReachedAt&) const = default;
};

struct KnownUnit {
    QString identity;            // made when the unit was first met; never changes
    QString name;                // as a site names it
    UnitFingerprint fingerprint; // as last fetched whole
    QList<ReachedAt> addresses;  // newest first
    QDateTime lastBackup;        // UTC; not valid before the first
    QString backupEntry;         // the journal file of the last backup
    QDateTime lastChange;        // when a run last saw it differ from its backup
    QString lastResult;          // the last site run's result for it, in a few words
    QDateTime lastResultTime;
    bool operator==(const KnownUnit&) const = default;
};

// How an update of the unit directory went, and what to tell the user when it did not.
using DirectoryUpdate = text::FileResult;

class UnitDirectory {
public:
    static constexpr int kAddressesKept = 8;

    explicit UnitDirectory(QString path = defaultPath());
    // "units.json" beside the journal folder; empty when the user has no data folder.
    static QString defaultPath();
    const QString& path() const { return m_path; }

    // Reads the file; a missing file is an empty directory. Returns why it cannot be read.
    QString load();
    // The routine the file is saved with: text::saveWholeFile unless replaced.
    void setSaveRoutine(text::SaveRoutine save) { m_save = std::move(save); }

    // Reads the file afresh under the lock, lets `change` work on it, and saves it whole.
    DirectoryUpdate update(const std::function<void(UnitDirectory&)>& change);

    QList<KnownUnit>& units() { return m_units; }
    const QList<KnownUnit>& units() const { return m_units; }
    KnownUnit* find(const QString& identity);
    const KnownUnit* find(const QString& identity) const;

    // The unit a site line stands for: the one of that name reached at that link; else the one
    // of that name (its line now names another address: it moved); else the one last reached
    // at that link (the line was renamed). Nothing for a unit not met yet.
    const KnownUnit* forSiteLine(const QString& name, const QString& unit) const;
    // The known unit `fingerprint` looks most like, among those it looks like at all; between
    // equals, the one last reached at `unit`.
    const KnownUnit* lookingLike(const UnitFingerprint& fingerprint,
                                 const QString& unit = {}) const;
    // The unit reached last at `unit`.
    const KnownUnit* lastReachedAt(const QString& unit) const;

    // A unit met for the first time, under `identity` (a new one when empty).
    KnownUnit& add(const QString& name, const UnitFingerprint& fingerprint,
                   const QString& identity = {});
    static QString newIdentity();
    // `known` answered at `unit` at `when`: that address goes first.
    static void reached(KnownUnit& known, const QString& unit, const QDateTime& when);

    // Reads the file's content, units with no identity left out; returns why it is not a unit
    // directory. bytes() is the content that reads back as these units.
    QString parse(const QByteArray& bytes);
    QByteArray bytes() const;

private:
    QString m_path;
    QList<KnownUnit> m_units;
    text::SaveRoutine m_save = text::saveWholeFile;
};

} // namespace zel::session
