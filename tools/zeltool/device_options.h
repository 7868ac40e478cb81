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

// A whole number option (--port, --jobs) from `lowest` to `highest`; `fallback` when it is not
// given; nothing, with `error` set, when it is not such a number.
std::optional<int> wholeNumberOption(const std::optional<std::string>& text, const char* name,
                                     int lowest, int highest, int fallback, std::string& error);

} // namespace zel::tool
