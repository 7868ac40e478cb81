#pragma once
// The journal's bound: how many entries, and how many bytes of text, it keeps. Beyond them it
// drops entries, but never one the user keeps, never a unit's newest whole fetch (what the unit
// held, kept however much junk comes after it), never an entry named elsewhere (a site's backup
// in the unit directory) and never the newest entry. Entries of transfers that did not end whole
// go first, then the others; within each, the oldest first.
//
// A unit is told by its identity: the one an entry's remark lines give, else the one the layers
// that know the units tell from its text (BoundProtection), else, for a unit that has none, its
// address. So another unit fetched many times at one address never pushes out the last fetch of
// the unit that was there before.

#include "journal/journal_entry.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace zel::journal {

struct Limits {
    int maxEntries = 500;
    qint64 maxBytes = 50 * 1024 * 1024;
};

// What only the layers that know the units can say, handed to the bound as data.
struct BoundProtection {
    QSet<QString> files;                // entries named elsewhere: never dropped
    QHash<QString, QString> identityOf; // an entry's file -> the unit identity its text shows
};

// Whether `entries` hold more than `limits` allow.
bool overBound(const QList<Entry>& entries, const Limits& limits);

// Removes from `entries` (oldest first) what the bound drops, and returns those.
QList<Entry> applyBound(QList<Entry>& entries, const Limits& limits,
                        const BoundProtection& protection = {});

} // namespace zel::journal
