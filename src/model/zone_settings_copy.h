#pragma once
// Setting several zones alike: one zone's audio settings copied onto another's, and EQ curves
// copied between zones and the unit's presets.

#include "model/config_model.h"

namespace zel::model {

// Which of a zone's settings a copy takes; all of them unless the user chose otherwise.
struct ZoneCopyParts {
    bool volume = true;
    bool volumeLock = true;
    bool balance = true;
    bool dspMode = true; // the EQ mode with what that mode uses

    bool any() const { return volume || volumeLock || balance || dspMode; }
    bool operator==(const ZoneCopyParts&) const = default;
};

// `to` takes the `parts` of `from`: its volume, volume lock, balance, and its EQ mode with what
// that mode uses: the bands (ZQ mode), the system EQ preset (preset mode), bass and treble (tone
// controls) or the lowpass (lowpass mode). Settings the mode does not use, the parts left out,
// and whether the zone's audio is known stay as `to` had them. A zone whose volume is locked
// plays at 0 dB, so when the volume or the lock is copied and `to` ends up locked, its volume
// becomes 0 dB, as the page's lock does.
void copyZoneSettings(const ZoneAudio& from, ZoneAudio& to, const ZoneCopyParts& parts = {});

} // namespace zel::model
