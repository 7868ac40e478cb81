#pragma once
// What the journal folder holds. The texts are the record and the index a cache of them: the
// index's entries count only while their texts are there, a text the index does not name (left
// by a crash, or by a writer that could not get the lock) is an entry all the same, and an index
// that is missing or damaged is rebuilt from the texts, never taken as an empty journal.

#include "journal/journal_entry.h"

#include <QList>
#include <QString>

namespace zel::journal {

inline const QString kIndexName = QStringLiteral("index.json");

struct FolderEntries {
    QList<Entry> entries;    // oldest first
    bool indexStale = false; // the index misses, misstates or names more than the texts hold
};

FolderEntries collectEntries(const QString& folder);

} // namespace zel::journal
