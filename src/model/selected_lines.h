#pragma once
// Sending only the rows of a comparison that the user ticked. Each block the ticked rows need is
// written from a configuration made of the unit's own (as fetched) with the ticked settings taken
// from the one being edited, so that the unit's values of the rows left unticked go back to it
// as they were, even inside one block. Where a block cannot be split so, its rows go together.

#include "model/config_diff.h"

#include <string>
#include <vector>

namespace zel::model {

class ConfigModel;

// Rows of a comparison that are ticked and sent together, by their positions in its
// differences, and why.
struct TiedRows {
    std::vector<std::size_t> rows;
    std::string reason;
};

// The rows that cannot be sent one without the others: a zone's EQ mode with the settings one
// side writes and the other does not (what the unit holds of a mode it is not in is not known),
// and a zone's volume lock with its volume (a locked zone's volume is not written).
std::vector<TiedRows> tiedRows(const std::vector<Difference>& differences);

// The lines that give a unit holding `unit` the chosen differences between it and `edited`
// (from either side): the writer's lines of the blocks they need, each block written from
// `unit` with the chosen settings taken from `edited`, in the writer's order, without the
// blocks that would be written as the unit holds them already, and "[EC]" last.
std::vector<std::string> selectedLines(const ConfigModel& unit, const ConfigModel& edited,
                                       const std::vector<Difference>& chosen);

} // namespace zel::model
