#pragma once
// Setting several zones alike: one zone's audio settings copied onto another's, and EQ curves
// copied between zones and the unit's presets.

#include "model/config_model.h"

namespace zel::model {

// `to` takes `from`'s volume, volume lock, balance and EQ mode, and what that mode uses: the
// bands (ZQ mode), the system EQ preset (preset mode), bass and treble (tone controls) or the
// lowpass (lowpass mode). Settings the mode does not use, and whether the zone's audio is known,
// stay as `to` had them.
void copyZoneSettings(const ZoneAudio& from, ZoneAudio& to);

} // namespace zel::model
