#pragma once
// What a site run keeps of each unit it read: the fetch in the unit journal, and the unit under
// its identity in the unit directory (its name, the address it answered at, its last backup,
// the last change seen, the last result). It also decides the unit's result: a first backup,
// unchanged or changed since its last backup, or another unit than the line names. A site run
// settles one unit at a time off the window's thread: nothing here touches a widget or a
// QObject of the window's.

#include "session/site/site_file.h"
#include "session/site/site_outcome.h"
#include "session/unit/unit_directory.h"
#include "session/unit/unit_reader.h"

#include "journal/journal.h"

namespace zel::session {

class SiteRecords {
public:
    SiteRecords(QString journalFolder = journal::defaultFolder(),
                QString directoryPath = UnitDirectory::defaultPath());

    // Keeps what `reader` brought from `unit` and says what it was.
    UnitOutcome settle(SiteMode mode, const SiteUnit& unit, const UnitReader& reader);
    // Leaves the zones' volumes out of what counts as a change since the last backup.
    void setIgnoreVolume(bool ignore) { m_ignoreVolume = ignore; }
    // Why the journal or the unit directory could not be written, each said once per run.
    QStringList takeWarnings() { return std::exchange(m_warnings, {}); }

private:
    enum class Record { Journal, Directory };
    void warn(Record record, const text::FileResult& result);
    // The identity a whole fetch is kept under in the journal: the unit the line stands for when
    // it looks like it, else the known unit it looks like (none: empty), else `fresh` for a unit
    // met for the first time.
    QString identityOf(const SiteUnit& unit, const UnitReader& reader, const QString& fresh) const;
    void settleWhole(SiteMode mode, const UnitReader& reader, const QString& file,
                     const QString& fresh, UnitDirectory& directory, UnitOutcome& outcome);

    journal::Journal m_journal;
    QString m_directoryPath;
    QStringList m_warnings;
    bool m_journalWarned = false;
    bool m_directoryWarned = false;
    bool m_ignoreVolume = false;
};

} // namespace zel::session
