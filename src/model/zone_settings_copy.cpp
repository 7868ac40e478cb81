#include "model/zone_settings_copy.h"

namespace zel::model {

void copyZoneSettings(const ZoneAudio& from, ZoneAudio& to)
{
    to.volume = from.volume;
    to.volumeLocked = from.volumeLocked;
    to.balance = from.balance;
    to.eqMode = from.eqMode;
    switch (from.eqMode) {
    case kEqModeZq:
        to.bands = from.bands;
        break;
    case kEqModePreset:
        to.systemEqPreset = from.systemEqPreset;
        break;
    case kEqModeTone:
        to.bass = from.bass;
        to.treble = from.treble;
        break;
    case kEqModeLowpass:
        to.lowpass = from.lowpass;
        break;
    default:
        break;
    }
}

} // namespace zel::model
