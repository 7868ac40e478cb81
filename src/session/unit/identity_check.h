#pragma once
// The check before a configuration goes to a unit: does the unit at the address look like the
// unit the configuration came from? What is at the address is known only from the read made
// just before (a send's, or live mode's start read): never from the journal or a cache. When the
// read tells nothing, nothing is said, and a unit still at the blank template's names is taken
// as one being set up.
// See unit_fingerprint.h for how much may differ before it is another unit.

#include "session/unit/unit_fingerprint.h"

#include <QString>

#include <optional>

namespace zel::model {
class ConfigModel;
}

namespace zel::session {

struct IdentityMismatch {
    QString unit;          // the address, as the journal names it
    QString configuration; // the unit the configuration came from, in words
    QString atAddress;     // the unit at the address, in words, with when it was seen
};

// `configuration` is about to go to `unit` (the address as the journal names it), which `read`,
// the read of the unit made just before, tells of. `edited`: it may have been edited (the
// window's, a file), so its network settings are what the user wants sent and only its size and
// names tell where it came from; a kept configuration restored as it was is compared whole,
// network included, which tells a sister unit of the same names apart.
std::optional<IdentityMismatch> identityMismatchWithRead(const model::ConfigModel& configuration,
                                                         bool edited, const QString& unit,
                                                         const UnitFingerprint& read,
                                                         const QString& directoryPath);

// The question, naming both units; the window asks it, zeltool prints it and stops.
QString identityQuestion(const IdentityMismatch& mismatch);

} // namespace zel::session
