#include "journal/journal_bound.h"

#include <QHash>

#include <vector>

namespace zel::journal {

namespace {

// The unit an entry belongs to, for its newest whole fetch: its identity where one is known,
// else its address.
QString unitKey(const Entry& entry, const BoundProtection& protection)
{
    if (!entry.identity.isEmpty())
        return QStringLiteral("identity:") + entry.identity;
    if (const QString identity = protection.identityOf.value(entry.file); !identity.isEmpty())
        return QStringLiteral("identity:") + identity;
    return QStringLiteral("address:") + entry.unit;
}

// The entries the bound never drops.
std::vector<bool> protectedEntries(const QList<Entry>& entries, const BoundProtection& protection)
{
    std::vector<bool> kept(entries.size(), false);
    if (!entries.isEmpty())
        kept.back() = true;
    QHash<QString, qsizetype> newestWholeFetch;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].kept || protection.files.contains(entries[i].file))
            kept[i] = true;
        if (kindOf(entries[i]) == Kind::WholeFetch)
            newestWholeFetch[unitKey(entries[i], protection)] = i;
    }
    for (const qsizetype i : newestWholeFetch)
        kept[i] = true;
    return kept;
}

qint64 bytesOf(const QList<Entry>& entries)
{
    qint64 bytes = 0;
    for (const Entry& entry : entries)
        bytes += entry.size;
    return bytes;
}

} // namespace

bool overBound(const QList<Entry>& entries, const Limits& limits)
{
    return entries.size() > limits.maxEntries || bytesOf(entries) > limits.maxBytes;
}

QList<Entry> applyBound(QList<Entry>& entries, const Limits& limits,
                        const BoundProtection& protection)
{
    qsizetype count = entries.size();
    qint64 bytes = bytesOf(entries);
    const auto within = [&] { return count <= limits.maxEntries && bytes <= limits.maxBytes; };

    const std::vector<bool> kept = protectedEntries(entries, protection);
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
