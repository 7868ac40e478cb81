#pragma once
// The check before a configuration goes to a unit (Export, Send Selected, Restore, live mode):
// does the unit at the address look like the unit the configuration came from? What is at the
// address is what the caller has just fetched from it, or else the journal's newest whole fetch
// from it; when nothing whole was ever fetched from it, nothing is known and nothing is said.
// See unit_fingerprint.h for how much may differ before it is another unit.

#include "session/unit_fingerprint.h"

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

std::optional<IdentityMismatch>
identityMismatch(const model::ConfigModel& configuration, const QString& unit,
                 const std::optional<UnitFingerprint>& atAddress = std::nullopt);
// The same, with the journal and the unit directory given (tests).
std::optional<IdentityMismatch> identityMismatch(const model::ConfigModel& configuration,
                                                 const QString& unit,
                                                 const std::optional<UnitFingerprint>& atAddress,
                                                 const journal::Journal& journal,
                                                 const QString& directoryPath);

// The question, naming both units; the window asks it, zeltool prints it and stops.
QString identityQuestion(const IdentityMismatch& mismatch);

} // namespace zel::session
