#include "session/live/volume_raise.h"

#include "model/config_model.h"

#include <optional>

namespace zel::session {

namespace {

std::optional<int> playedVolume(const model::ZoneAudio& zone)
{
    if (!zone.audioKnown)
        return std::nullopt;
    return zone.volumeLocked ? 0 : zone.volume;
}

} // namespace

std::vector<VolumeRaise> volumeRaises(const model::ConfigModel& unit,
                                      const model::ConfigModel& edited,
                                      const std::set<model::WriterBlock>& blocks, int limitDb)
{
    std::vector<VolumeRaise> raises;
    for (const model::WriterBlock& block : blocks) {
        if (block.kind != model::WriterBlock::Kind::ZoneAudio)
            continue;
        const std::optional<int> from = playedVolume(unit.zoneAudio(block.number));
        const std::optional<int> to = playedVolume(edited.zoneAudio(block.number));
        if (from && to && *to - *from > limitDb)
            raises.push_back({block.number, *from, *to});
    }
    return raises;
}

void keepUnitVolume(const model::ConfigModel& unit, model::ConfigModel& edited, int zone)
{
    model::ZoneAudio& audio = edited.zoneAudio(zone);
    audio.volume = unit.zoneAudio(zone).volume;
    audio.volumeLocked = unit.zoneAudio(zone).volumeLocked;
}

} // namespace zel::session
