#pragma once
// What a site run made of one unit, as zeltool prints it and the site window shows it.

#include "session/unit/short_time_text.h"
#include "session/unit/site_link.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace zel::session {

enum class SiteMode { Backup, Verify };

struct UnitOutcome {
    enum class Result {
        FirstBackup, // backup: no earlier backup of the unit
        Unchanged,   // backup: the same as its last backup
        Changed,     // backup: backed up; it differs from its last backup
        Same,        // verify: the same as its last backup
        Differs,     // verify: it differs from its last backup
        NoBackup,    // verify: there is no backup to compare with
        AnotherUnit, // what answered does not look like the unit the line names
        Failed,      // no whole configuration came
    };

    QString name;
    SiteLink link;
    Result result = Result::Failed;
    QString detail;       // the rest of the line: why, or what changed since when
    QStringList changes;  // the differences from the last backup, in the unit's terms
    QString identity;     // the unit's identity, when it is known
    QDateTime backupTime; // the backup compared with (UTC); not valid when none
    QByteArray text;      // what the unit sent, when it came whole from the unit the line names
};

// Whether the result needs nobody's attention: a first backup, unchanged, the same.
bool isGood(UnitOutcome::Result result);
// "backed up", "unchanged", "changed", "same", "differs", "no backup", "another unit", "failed".
QString resultWord(UnitOutcome::Result result);
// NAME  LINK  RESULT  DETAIL
QString outcomeLine(const UnitOutcome& outcome);
QJsonObject outcomeJson(const UnitOutcome& outcome);
// "5 units: 3 unchanged, 1 changed, 1 failed"
QString summaryLine(const QList<UnitOutcome>& outcomes);

} // namespace zel::session
