#pragma once
// The unit journal: every configuration read from a unit and every one sent to a unit, each kept
// as a .zel text that says in its opening remark lines what it is (unit, time, kind, how it
// ended), beside an index that caches what the texts say. Bounded (journal_bound.h): junk goes
// first, and neither what the user keeps nor a unit's newest whole fetch is ever dropped.
//
// Writing is safe against a crash and against a full disk: the text is written whole first, and
// from then on it is the record; the index is then saved whole through the one save routine, and
// only once it is saved are the texts the bound drops deleted. No other text is ever deleted: one
// the index does not name is taken into it, and a damaged index is rebuilt from the texts.
//
// A lock file keeps the window and zeltool from saving the index at the same time. It is waited
// for only a moment: a writer that cannot get it leaves its text unindexed, to be taken in by the
// next reader and writer, so that a slow program never holds up the window.

#include "journal/journal_bound.h"
#include "journal/journal_entry.h"
#include "text/file_result.h"
#include "text/file_save.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace zel::journal {

// The journal folder: "journal" in the per-user data folder of the window's application name,
// the same for the window and zeltool whatever name the running program gives itself.
QString defaultFolder();

using text::FileResult;
using text::SaveRoutine;

class Journal {
public:
    explicit Journal(QString folder = defaultFolder(), Limits limits = {});

    const QString& folder() const { return m_folder; }
    // The routine texts and the index are saved with: text::saveWholeFile unless replaced.
    void setSaveRoutine(SaveRoutine save) { m_save = std::move(save); }
    // What the bound must keep besides its own rules (journal_bound.h), asked with the entries
    // each time it is about to drop some; by default nothing more.
    using ProtectionSource = std::function<BoundProtection(const QList<Entry>& entries)>;
    void setProtection(ProtectionSource source) { m_protection = std::move(source); }

    // Keeps `text` as the newest entry: `entry` gives its direction, unit, whole, partial,
    // ending, identity (and kept); the journal sets its time, lines, file and size. Then drops
    // what the bound no longer allows. Says why the text could not be kept or the index not
    // saved: no data folder (Missing), or a write that failed. A lock another program holds is
    // no failure: the text is kept, and the index catches up with it later.
    FileResult record(Entry entry, const QByteArray& text);
    // Marks the entry kept or no longer kept, in its text and in the index. Says why it could
    // not: the lock is held (Busy: try again), the entry is gone (Missing), its text cannot be
    // read (Unreadable), a write failed.
    FileResult setKept(const Entry& entry, bool kept);

    // The entries, newest first.
    QList<Entry> entries() const;
    // The newest entry read from `unit`, whole or not; nothing when there is none.
    std::optional<Entry> newestFrom(const QString& unit) const;
    // An entry's configuration text (its header left out); nothing, with `error` set, when it
    // cannot be read.
    std::optional<QByteArray> text(const Entry& entry, QString* error = nullptr) const;

private:
    QString path(const QString& name) const;
    // Creates an empty text file with a name no other entry has, so that two programs that
    // record at the same moment never write one file; returns its name, or empty with `error`
    // set.
    QString reserveFileName(const QDateTime& time, Direction direction, QString& error) const;
    // Under the lock: brings the index up to date with the texts, lets `change` alter the
    // entries (it says why it could not), applies the bound, saves the index, then deletes the
    // texts the bound dropped. Says why it failed; a lock not had in a moment fails only when
    // `lockNeeded` (else the index catches up later).
    FileResult updateIndex(const std::function<FileResult(QList<Entry>&)>& change, bool lockNeeded);

    QString m_folder;
    Limits m_limits;
    SaveRoutine m_save;
    ProtectionSource m_protection;
};

} // namespace zel::journal
