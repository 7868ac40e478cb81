#pragma once
// The journal's index as bytes: a JSON array of entries, oldest first. It is a cache of what the
// texts' headers say: reading skips entries it cannot understand, so that one damaged entry does
// not hide the others, and an index that is not whole (cut, or not JSON) reads as none, so that
// it is rebuilt from the texts rather than taken as an empty journal.

#include "journal/journal_entry.h"

#include <QByteArray>
#include <QList>
#include <QSet>

#include <optional>

namespace zel::journal {

struct IndexRead {
    QList<Entry> entries; // oldest first, as the index holds them
    // Sends kept before sends were marked partial or whole: their texts say which.
    QSet<QString> unmarkedSends;
};

QByteArray indexBytes(const QList<Entry>& entries);
// Nothing when `bytes` are not a whole index.
std::optional<IndexRead> readIndex(const QByteArray& bytes);

// A file name the journal made: no folder part, so that an index or a folder listing cannot make
// the journal read or delete files elsewhere.
bool isPlainName(const QString& name);

} // namespace zel::journal
