#include "session/unit/unit_journal.h"

#include <QMutex>

#include <memory>

namespace zel::session {

text::FileResult keepFetch(journal::Journal& journal, const QString& unit, journal::Cause cause,
                           const QString& identity, bool whole, const QString& ending,
                           const QByteArray& text, std::optional<journal::Entry>* entry)
{
    journal::Entry fetch;
    journal::setKind(fetch, whole ? journal::Kind::WholeFetch : journal::Kind::IncompleteFetch);
    fetch.unit = unit;
    fetch.ending = whole ? QString() : ending;
    fetch.identity = identity;
    fetch.cause = cause;
    text::FileResult kept = journal.record(fetch, text);
    if (kept.done() && entry)
        *entry = journal.newestFrom(unit);
    return kept;
}

journal::BoundProtection unitProtection(const journal::Journal& journal,
                                        const QList<journal::Entry>& entries,
                                        const QString& directoryPath,
                                        QHash<QString, UnitFingerprint>* fingerprints)
{
    QHash<QString, UnitFingerprint> read;
    journal::BoundProtection protection;
    UnitDirectory directory(directoryPath);
    directory.load(); // one that cannot be read names nothing: the journal's own rules stand
    for (const KnownUnit& known : directory.units())
        if (!known.backupEntry.isEmpty())
            protection.files.insert(known.backupEntry);
    if (directory.units().isEmpty())
        return protection;
    for (const journal::Entry& entry : entries) {
        if (!entry.identity.isEmpty() || journal::kindOf(entry) != journal::Kind::WholeFetch)
            continue;
        const auto cached = fingerprints ? fingerprints->constFind(entry.file)
                                         : QHash<QString, UnitFingerprint>::const_iterator();
        const UnitFingerprint fingerprint = fingerprints && cached != fingerprints->cend()
                                                ? *cached
                                                : entryFingerprint(journal, entry);
        read.insert(entry.file, fingerprint);
        if (!fingerprint.isKnown())
            continue;
        if (const KnownUnit* known = directory.lookingLike(fingerprint, entry.unit))
            protection.identityOf.insert(entry.file, known->identity);
    }
    if (fingerprints)
        *fingerprints = std::move(read); // the files gone since are forgotten
    return protection;
}

void protectKnownUnits(journal::Journal& journal, QString directoryPath)
{
    // By folder, not by reference: the journal may be copied with its protection.
    // Copies of the journal share what was read, and may run on other threads.
    struct Read {
        QMutex mutex;
        QHash<QString, UnitFingerprint> fingerprints;
    };
    auto read = std::make_shared<Read>();
    journal.setProtection([folder = journal.folder(), directoryPath = std::move(directoryPath),
                           read](const QList<journal::Entry>& entries) {
        const QMutexLocker locker(&read->mutex);
        return unitProtection(journal::Journal(folder), entries, directoryPath,
                              &read->fingerprints);
    });
}

UnitFingerprint entryFingerprint(const journal::Journal& journal, const journal::Entry& entry)
{
    const std::optional<QByteArray> text = journal.text(entry);
    return text ? fingerprintOfText(text->toStdString()) : UnitFingerprint();
}

const KnownUnit* entryUnit(const journal::Journal& journal, const UnitDirectory& directory,
                           const journal::Entry& entry)
{
    if (const KnownUnit* known = directory.find(entry.identity))
        return known; // kept under its identity when it was made

    // Only a whole configuration tells a unit by what it holds. The parts sent (Send Selected,
    // live mode's lines) and a read cut short name too little of it: they belong to the unit
    // last reached at their address, as does a whole send that looks like no known unit.
    const journal::Kind kind = journal::kindOf(entry);
    if (kind == journal::Kind::WholeFetch || kind == journal::Kind::WholeSend) {
        const UnitFingerprint fingerprint = entryFingerprint(journal, entry);
        const KnownUnit* known =
            fingerprint.isKnown() ? directory.lookingLike(fingerprint, entry.unit) : nullptr;
        if (known || (fingerprint.isKnown() && kind == journal::Kind::WholeFetch))
            return known; // a whole read of another unit belongs to none known
    }
    return directory.lastReachedAt(entry.unit);
}

QList<journal::Entry> historyOf(const journal::Journal& journal, const UnitDirectory& directory,
                                const KnownUnit& known)
{
    QList<journal::Entry> entries;
    for (const journal::Entry& entry : journal.entries()) {
        const KnownUnit* unit = entryUnit(journal, directory, entry);
        if (unit && unit->identity == known.identity)
            entries << entry;
    }
    return entries;
}

std::optional<journal::Entry> backupOf(const journal::Journal& journal,
                                       const UnitDirectory& directory, const KnownUnit& known,
                                       const QString& besides)
{
    const QList<journal::Entry> entries = journal.entries();
    if (!known.backupEntry.isEmpty())
        for (const journal::Entry& entry : entries)
            if (entry.file == known.backupEntry)
                return entry;
    // The backup's own entry is gone: the newest whole fetch of the unit stands for it.
    for (const journal::Entry& entry : entries) {
        if (journal::kindOf(entry) != journal::Kind::WholeFetch || entry.file == besides)
            continue;
        const KnownUnit* unit = entryUnit(journal, directory, entry);
        if (unit && unit->identity == known.identity)
            return entry;
    }
    return std::nullopt;
}

std::optional<LastFetch> lastWholeFetch(const journal::Journal& journal, const QString& unit)
{
    for (const journal::Entry& entry : journal.entries()) {
        const journal::Kind kind = journal::kindOf(entry);
        if (entry.unit != unit ||
            (kind != journal::Kind::WholeFetch && kind != journal::Kind::WholeSend))
            continue;
        const UnitFingerprint fingerprint = entryFingerprint(journal, entry);
        if (fingerprint.isKnown())
            return LastFetch{entry, fingerprint};
    }
    return std::nullopt;
}

} // namespace zel::session
