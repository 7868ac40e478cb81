#include "model/block_members.h"

#include "model/config_model.h"

namespace zel::model {

void copyBlockMembers(const ConfigModel& from, ConfigModel& to, WriterBlock block)
{
    using Kind = WriterBlock::Kind;
    const int n = block.number;
    switch (block.kind) {
    case Kind::Panel:
        to.setDisplayLevel(from.displayLevel());
        to.setFrontPanelLocked(from.frontPanelLocked());
        to.setIrLockout(from.irLockout());
        return;
    case Kind::Preset:
        to.preset(n) = from.preset(n);
        return;
    case Kind::SourceName:
        to.setSourceName(n, from.sourceName(n));
        return;
    case Kind::ZoneName:
        to.setZoneName(n, from.zoneName(n));
        return;
    case Kind::ZoneAudio:
        to.zoneAudio(n) = from.zoneAudio(n);
        return;
    case Kind::Groups:
        for (int g = 1; g <= kGroups; ++g)
            for (int z = 1; z <= kMaxZones; ++z)
                to.setGroupMark(g, z, from.groupMark(g, z));
        return;
    case Kind::Favorites:
        for (int f = 1; f <= kFavorites; ++f)
            for (int s = 1; s <= kMaxSources; ++s)
                for (int z = 1; z <= kMaxZones; ++z)
                    to.setConnection(f, s, z, from.connection(f, s, z));
        return;
    case Kind::FavoriteName:
        to.setFavoriteName(n, from.favoriteName(n));
        return;
    case Kind::GroupName:
        to.setGroupName(n, from.groupName(n));
        return;
    case Kind::Network:
        to.network() = from.network();
        return;
    case Kind::None:
    case Kind::End:
        return;
    }
}

} // namespace zel::model
