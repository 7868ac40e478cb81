#pragma once
// The journal's bound: how many entries, and how many bytes of text, it keeps. Beyond them it
// drops entries, but never one the user keeps, never a unit's newest whole fetch (what the unit
// held, kept however much junk comes after it) and never the newest entry. Entries of transfers
// that did not end whole go first, then the others; within each, the oldest first.

#include "journal/journal_entry.h"

#include <QList>

namespace zel::journal {

struct Limits {
    int maxEntries = 500;
    qint64 maxBytes = 50 * 1024 * 1024;
};

// Removes from `entries` (oldest first) what the bound drops, and returns those.
QList<Entry> applyBound(QList<Entry>& entries, const Limits& limits);

} // namespace zel::journal
