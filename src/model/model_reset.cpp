#include "model/model_reset.h"

#include "model/config_model.h"

#include <algorithm>

namespace zel::model {

void clearFavorites(ConfigModel& model)
{
    for (int f = 1; f <= kFavorites; ++f)
        for (int s = 1; s <= kMaxSources; ++s)
            for (int z = 1; z <= kMaxZones; ++z)
                model.setConnection(f, s, z, {});
}

void clearGroupMembership(ConfigModel& model)
{
    for (int g = 1; g <= kGroups; ++g)
        for (int z = 1; z <= kMaxZones; ++z)
            model.setGroupMark(g, z, {});
}

void resetModel(ConfigModel& model)
{
    model.clearCounts();
    clearFavorites(model);
    clearGroupMembership(model);

    // EQ mode and system EQ preset survive: a template's mode lines set the mode again, and the
    // system EQ preset stays until a line or an edit replaces it.
    for (int z = 1; z <= kMaxZones; ++z) {
        ZoneAudio& zone = model.zoneAudio(z);
        zone.audioKnown = false;
        zone.bands.fill(0);
        zone.bass = 0;
        zone.treble = 0;
        zone.volume = 0;
        zone.balance = 0;
        zone.lowpass = -1;
        zone.volumeLocked = false;
    }

    for (int f = 1; f <= kFavorites; ++f)
        model.setFavoriteName(f, {});
    for (int g = 1; g <= kGroups; ++g)
        model.setGroupName(g, {});
}

void markUnavailableGroups(ConfigModel& model)
{
    for (int z = std::max(model.zoneCount() + 1, 1); z <= kMaxZones; ++z)
        for (int g = 1; g <= kGroups; ++g)
            model.setGroupMark(g, z, std::string(kUnavailableMark));
}

} // namespace zel::model
