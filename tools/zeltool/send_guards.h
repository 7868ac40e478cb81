#pragma once
// How export answers two of the checks before it sends a unit a configuration: that the file set
// all a whole configuration sets, and that it is for the unit's model. Each prints why it
// refuses and gives the exit status; an explicit option sends all the same.

#include "device_transfers.h"
#include "link_target.h"

#include <string>
#include <vector>

namespace zel::tool {

// 0, or 2 after saying what `path` did not set (`missing`) that an export would send anyway;
// with `allowIncomplete` it is said and the export goes on.
int checkWhole(const std::string& path, const std::vector<std::string>& missing,
               bool allowIncomplete);

// 0, or 2 after naming both models when the configuration read from `path` is for another
// model (`sentModel`) than the unit's (`unitModel`); with `otherModel` it is said and the export
// goes on.
int checkModels(const std::string& path, const std::string& sentModel, const std::string& unitModel,
                const LinkTarget& target, bool otherModel);

} // namespace zel::tool
