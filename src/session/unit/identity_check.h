#pragma once
// The check before a configuration goes to a unit: does the unit at the address look like the
// unit the configuration came from? A send (Export, Send Selected, Restore) knows what is at the
// address from the read it has just made (identityMismatchWithRead()), and so does going live;
// identityMismatch() may fall back on the journal's newest whole fetch from it, which says only
// what the unit was, never what it is. When nothing whole is known, nothing is said,
// and a unit still at the blank template's names is taken as one being set up.
// See unit_fingerprint.h for how much may differ before it is another unit.

#include "session/unit/unit_fingerprint.h"

#include <QString>

#include <optional>

namespace zel::model {
class ConfigModel;
}
namespace zel::journal {
class Journal;
}

namespace zel::session {

struct IdentityMismatch {
    QString unit;          // the address, as the journal names it
    QString configuration; // the unit the configuration came from, in words
    QString atAddress;     // the unit at the address, in words, with when it was seen
};

// `configuration` is about to go to `unit` (the address as the journal names it). `edited`: it
// may have been edited (the window's, a file), so its network settings are what the user wants
// sent and only its size and names tell where it came from; a journal entry restored as it was
// is compared whole, network included, which tells a sister unit of the same names apart.
// `atAddress`: what was just fetched from the unit, when the caller knows.
std::optional<IdentityMismatch>
identityMismatch(const model::ConfigModel& configuration, bool edited, const QString& unit,
                 const std::optional<UnitFingerprint>& atAddress = std::nullopt);
// The same, with the journal and the unit directory given (tests).
std::optional<IdentityMismatch> identityMismatch(const model::ConfigModel& configuration,
                                                 bool edited, const QString& unit,
                                                 const std::optional<UnitFingerprint>& atAddress,
                                                 const journal::Journal& journal,
                                                 const QString& directoryPath);

// The check of a send: what is at the address is only what `read`, the read of the unit made
// just before, tells; nothing else stands for it.
std::optional<IdentityMismatch> identityMismatchWithRead(const model::ConfigModel& configuration,
                                                         bool edited, const QString& unit,
                                                         const UnitFingerprint& read,
                                                         const QString& directoryPath);

// The question, naming both units; the window asks it, zeltool prints it and stops.
QString identityQuestion(const IdentityMismatch& mismatch);

} // namespace zel::session
