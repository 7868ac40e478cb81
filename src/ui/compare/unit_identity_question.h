#pragma once
// The window's side of the identity check: before Export, Send Selected, Restore or live mode,
// when the unit at the address does not look like the unit the configuration came from, the
// user is asked, with both units named (Cancel first).

#include "session/unit/unit_fingerprint.h"

#include <QString>

#include <optional>

namespace zel::model {
class ConfigModel;
}

namespace zel::ui {

class UserPrompts;

// True when nothing is amiss (or nothing is known of the unit at `unit`), or the user goes on.
// `unit` is the address as the journal names it; empty (File Mode) asks nothing. `edited`, and
// `atAddress` (what was just fetched from it, when the caller knows): see
// session::identityMismatch().
bool confirmSameUnit(UserPrompts& prompts, const model::ConfigModel& configuration, bool edited,
                     const QString& unit,
                     const std::optional<session::UnitFingerprint>& atAddress = std::nullopt);

} // namespace zel::ui
