#include "model/zone_settings_copy.h"

namespace zel::model {

namespace {

void copyModeSettings(const ZoneAudio& from, ZoneAudio& to)
{
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

} // namespace

void copyZoneSettings(const ZoneAudio& from, ZoneAudio& to, const ZoneCopyParts& parts)
{
    if (parts.volume)
        to.volume = from.volume;
    if (parts.volumeLock)
        to.volumeLocked = from.volumeLocked;
    if (parts.balance)
        to.balance = from.balance;
    if (parts.dspMode)
        copyModeSettings(from, to);
    if ((parts.volume || parts.volumeLock) && to.volumeLocked)
        to.volume = 0;
}

} // namespace zel::model
