#pragma once
// The transfer options of the commands that reach a unit: --timeout and --verbose.

#include "device_transfers.h"

#include <optional>
#include <string>

namespace zel::tool {

struct Arguments;

// --timeout SECONDS (more than 0, at most an hour; fractions allowed) and --verbose. Nothing,
// with `error` set, when the time-out is not such a number.
std::optional<TransferOptions> transferOptionsOf(const Arguments& arguments, std::string& error);

} // namespace zel::tool
