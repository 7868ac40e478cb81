#pragma once
// What export checks before it sends a unit a configuration: that the file set all a whole
// configuration sets, and that it is for the unit's model. Each check prints why it refuses and
// gives the exit status; an explicit option sends all the same.

#include "device_transfers.h"
#include "link_target.h"

#include "model/config_reader.h"

#include <functional>
#include <string>

namespace zel::model {
class ConfigModel;
}

namespace zel::tool {

// 0, or 2 after saying what `path` did not set that an export would send anyway; with
// `allowIncomplete` it is said and the export goes on.
int checkWhole(const std::string& path, const model::ConfigModel& configuration,
               const model::ReadSummary& read, bool allowIncomplete);

// The unit's configuration, fetched whole (the journal keeps it) into `unit`: 0; 2 when the
// unit cannot be reached; 1 when the fetch did not come whole, after saying `refusal` of what
// cut it short.
int fetchUnit(const LinkTarget& target, const TransferOptions& options, model::ConfigModel& unit,
              const std::function<std::string(const std::string& problem)>& refusal);

// 0, or 2 after naming both models when `sent` (read from `path`) is for another model than the
// unit's; with `otherModel` it is said and the export goes on.
int checkModels(const std::string& path, const model::ConfigModel& sent, const LinkTarget& target,
                const model::ConfigModel& unit, bool otherModel);

} // namespace zel::tool
