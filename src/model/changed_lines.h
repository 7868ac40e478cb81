#pragma once
// Sending only what changed: the writer's blocks of the members that differ between what a unit
// holds and the configuration being edited, in the writer's order, with "[EC]" last. A favorite
// or group difference sends the whole "[FAR]" or "[GAR]" block as the writer makes it.

#include "model/config_diff.h"
#include "model/config_writer.h"

#include <set>
#include <string>
#include <vector>

namespace zel::model {

class ConfigModel;

// The block that carries `difference` from the edited side; nothing (None) for the counts,
// which follow from the zone and source lines.
WriterBlock blockOf(const Difference& difference);

// The blocks of `chosen` differences, each once.
std::set<WriterBlock> blocksOf(const std::vector<Difference>& chosen);

// The lines that bring a unit holding `unit` to `edited` in the chosen blocks: the writer's
// lines of `edited` in those blocks, in the writer's order, without empty lines, and "[EC]".
// Only "[EC]" when nothing is chosen.
std::vector<std::string> changedLines(const ConfigModel& edited,
                                      const std::set<WriterBlock>& chosen);

// Everything that differs: changedLines() of the blocks of every difference from `unit` to
// `edited`.
std::vector<std::string> changedLines(const ConfigModel& unit, const ConfigModel& edited);

} // namespace zel::model
