#pragma once
// How export answers two of the checks before it sends a unit a configuration: that the file set
// all a whole configuration sets, and that it is for the unit's model. Each prints why it
// refuses and gives the exit status; an explicit option sends all the same.

#include "device_transfers.h"
#include "link_target.h"

#include <string>
#include <vector>

namespace zel::tool {

// 0, or 2 after saying what the configuration `source` (a file, a commit, as messages name it)
// did not set (`missing`) that an export would send anyway; with `allowIncomplete` it is said
// and the export goes on. Messages begin with `command` ("export").
int checkWhole(const std::string& command, const std::string& source,
               const std::vector<std::string>& missing, bool allowIncomplete);

// 0, or 2 after naming both models when the configuration `source` is for another model
// (`sentModel`) than the unit's (`unitModel`); with `otherModel` it is said and the export goes
// on.
int checkModels(const std::string& command, const std::string& source, const std::string& sentModel,
                const std::string& unitModel, const LinkTarget& target, bool otherModel);

} // namespace zel::tool
