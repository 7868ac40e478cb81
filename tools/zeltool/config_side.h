#pragma once
// A configuration named on the command line as diff and report take it: a file, "-" for
// standard input, or a unit (tcp:HOST[:PORT], serial:DEVICE) whose configuration is imported.

#include "device_transfers.h"

#include <string>

namespace zel::model {
class ConfigModel;
}

namespace zel::tool {

// Reads `side` into `model` as an import does; a unit's read is kept in the journal for
// `cause`. False when it cannot be read; the message is printed.
bool readSide(const std::string& side, const TransferOptions& options, model::ConfigModel& model,
              journal::Cause cause);

// Where `side` comes from, as a report names it: "file 'site.zel'", "unit tcp:10.0.0.5".
std::string originOf(const std::string& side);

} // namespace zel::tool
