#pragma once
// The model side of the reset: blanks what a new configuration must not inherit and leaves the
// rest (zone and source names, device presets, network, lockouts, display level, each zone's EQ
// mode and system EQ preset) as it was.

namespace zel::model {

class ConfigModel;

void resetModel(ConfigModel& model);

// Empties every cell of the favorites table, and every group mark: what a unit does before it
// takes the favorite lines and the group lines of a configuration.
void clearFavorites(ConfigModel& model);
void clearGroupMembership(ConfigModel& model);

// Marks every group of each zone above the zone count "X" (replacing any "G"), as the groups
// matrix shows unavailable zones. The favorites matrix marks its own cells.
void markUnavailableGroups(ConfigModel& model);

} // namespace zel::model
