#pragma once
// Everything sites and unit identity ask of the unit journal, in one place. An entry's unit is
// told from its text: the fingerprint of the configuration it holds, matched against the units
// this computer knows; an entry whose text tells no unit (a few lines sent) belongs to the unit
// last reached at its address.

#include "session/unit/unit_directory.h"
#include "session/unit/unit_fingerprint.h"

#include "journal/journal.h"

#include <optional>

namespace zel::session {

// Keeps a configuration read from `unit` (CR LF lines) for `cause` under the unit's `identity`
// (empty when not known); says why it could not be kept. `entry` gets the entry it became.
text::FileResult keepFetch(journal::Journal& journal, const QString& unit, journal::Cause cause,
                           const QString& identity, bool whole, const QString& ending,
                           const QByteArray& text, std::optional<journal::Entry>* entry = nullptr);

// What the journal's bound must keep for the units this computer knows, read from the unit
// directory at `directoryPath`: every entry the directory names (a site unit's backup), and for
// each whole fetch whose remark lines give no identity, the known unit its text looks like.
// `fingerprints` (by file), when given, keeps what was read for the next call: a text never
// changes what it holds.
journal::BoundProtection unitProtection(const journal::Journal& journal,
                                        const QList<journal::Entry>& entries,
                                        const QString& directoryPath,
                                        QHash<QString, UnitFingerprint>* fingerprints = nullptr);
// Has `journal` keep what unitProtection() says, with the unit directory at `directoryPath`.
void protectKnownUnits(journal::Journal& journal,
                       QString directoryPath = UnitDirectory::defaultPath());

// An entry's fingerprint, from its text; not known when the text cannot be read.
UnitFingerprint entryFingerprint(const journal::Journal& journal, const journal::Entry& entry);
// The known unit an entry belongs to: by its identity, else by what a whole configuration in it
// holds, else (parts sent, a read cut short) the unit last reached at its address; nothing when
// none.
const KnownUnit* entryUnit(const journal::Journal& journal, const UnitDirectory& directory,
                           const journal::Entry& entry);

// The entries of `known`, newest first, whatever address they were made at.
QList<journal::Entry> historyOf(const journal::Journal& journal, const UnitDirectory& directory,
                                const KnownUnit& known);
// The last backup of `known`: the entry its last backup made, or else its newest whole fetch
// (other than `besides`, the file of a fetch just made).
std::optional<journal::Entry> backupOf(const journal::Journal& journal,
                                       const UnitDirectory& directory, const KnownUnit& known,
                                       const QString& besides = {});

// What the unit at `unit` held last as far as the journal knows: its newest whole fetch, or a
// whole configuration sent to it since (every line acknowledged), and what that held.
struct LastFetch {
    journal::Entry entry;
    UnitFingerprint fingerprint;
};
std::optional<LastFetch> lastWholeFetch(const journal::Journal& journal, const QString& unit);

} // namespace zel::session
