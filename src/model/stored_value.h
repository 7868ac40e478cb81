#pragma once
// Whether a config line put anything into the model: a configuration whose lines stored nothing
// holds only the blank defaults, which must never be sent over a unit's own settings.

#include "model/command_table.h"

namespace zel::model {

// Whether a handled line of `match` stores a value: its command stores something, every zone,
// source, favorite, group, preset and band number lies in its table, and its name or text is not
// empty. A line whose value the reader drops stores nothing, even where it raises a count.
bool storesValue(const CommandMatch& match);

} // namespace zel::model
