#pragma once
// Which zones a live send would make louder by more than a limit in one step: a slip of the hand
// (a click on the slider's track, a copy, an undo) that a room should not hear at full volume.

#include "model/config_writer.h"
#include "session/live/live_types.h"

#include <set>
#include <vector>

namespace zel::model {
class ConfigModel;
}

namespace zel::session {

// The raises by more than `limitDb` from what `unit` holds to `edited`, in the zone audio blocks
// among `blocks`. A locked zone plays at 0 dB; a zone whose audio is not written has no volume.
std::vector<VolumeRaise> volumeRaises(const model::ConfigModel& unit,
                                      const model::ConfigModel& edited,
                                      const std::set<model::WriterBlock>& blocks, int limitDb);

// The volume of `zone` in `edited` put back to what `unit` holds (its lock too).
void keepUnitVolume(const model::ConfigModel& unit, model::ConfigModel& edited, int zone);

} // namespace zel::session
