#include "journal/journal_bound.h"

#include <QHash>

#include <vector>

namespace zel::journal {

namespace {

// The entries the bound never drops.
std::vector<bool> protectedEntries(const QList<Entry>& entries)
{
    std::vector<bool> kept(entries.size(), false);
    if (!entries.isEmpty())
        kept.back() = true;
    QHash<QString, qsizetype> newestWholeFetch;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].kept)
            kept[i] = true;
        if (kindOf(entries[i]) == Kind::WholeFetch)
            newestWholeFetch[entries[i].unit] = i;
    }
    for (const qsizetype i : newestWholeFetch)
        kept[i] = true;
    return kept;
}

} // namespace

QList<Entry> applyBound(QList<Entry>& entries, const Limits& limits)
{
    qsizetype count = entries.size();
    qint64 bytes = 0;
    for (const Entry& entry : entries)
        bytes += entry.size;
    const auto within = [&] { return count <= limits.maxEntries && bytes <= limits.maxBytes; };

    const std::vector<bool> kept = protectedEntries(entries);
    std::vector<bool> dropped(entries.size(), false);
    for (const bool wholeOnes : {false, true}) {
        for (qsizetype i = 0; i < entries.size() && !within(); ++i) {
            if (kept[i] || entries[i].whole != wholeOnes)
                continue;
            dropped[i] = true;
            --count;
            bytes -= entries[i].size;
        }
    }

    QList<Entry> removed;
    QList<Entry> left;
    for (qsizetype i = 0; i < entries.size(); ++i)
        (dropped[i] ? removed : left).append(entries[i]);
    entries = left;
    return removed;
}

} // namespace zel::journal
