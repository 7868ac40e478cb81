#include "model/selected_lines.h"

#include "model/changed_lines.h"
#include "model/config_model.h"

#include <map>

namespace zel::model {

namespace {

// The setting of `d` in `to` set as `from` holds it.
void takeZoneAudio(ZoneAudio& to, const ZoneAudio& from, const Difference& d)
{
    if (!d.command) { // the zone's audio settings as a whole
        to = from;
        return;
    }
    switch (*d.command) {
    case Command::VolumeLock:
        to.volumeLocked = from.volumeLocked;
        break;
    case Command::Volume:
        to.volume = from.volume;
        break;
    case Command::EqMode:
        to.eqMode = from.eqMode;
        break;
    case Command::BalanceLeft:
    case Command::BalanceRight:
        to.balance = from.balance;
        break;
    case Command::ZoneEqBand:
        to.setBand(d.part, from.band(d.part));
        break;
    case Command::SystemEqPreset:
        to.systemEqPreset = from.systemEqPreset;
        break;
    case Command::Tone:
        (d.part == 2 ? to.treble : to.bass) = d.part == 2 ? from.treble : from.bass;
        break;
    case Command::Lowpass:
        to.lowpass = from.lowpass;
        break;
    default:
        break;
    }
}

void takeUnitSetting(ConfigModel& to, const ConfigModel& from, Command command)
{
    NetworkSettings& network = to.network();
    switch (command) {
    case Command::Display:
        to.setDisplayLevel(from.displayLevel());
        break;
    case Command::FrontPanel:
        to.setFrontPanelLocked(from.frontPanelLocked());
        break;
    case Command::IrLockout:
        to.setIrLockout(from.irLockout());
        break;
    case Command::Dhcp:
        network.dhcp = from.network().dhcp;
        break;
    case Command::IpAddress:
        network.ipAddress = from.network().ipAddress;
        break;
    case Command::Netmask:
        network.netmask = from.network().netmask;
        break;
    case Command::Gateway:
        network.gateway = from.network().gateway;
        break;
    default:
        break;
    }
}

// A zone or source that `from` writes is written by `to` too.
void cover(ConfigModel& to, const ConfigModel& from, int zone, int source)
{
    if (zone > 0 && zone <= from.zoneCount())
        to.raiseZoneCount(zone);
    if (source > 0 && source <= from.sourceCount())
        to.raiseSourceCount(source);
}

void take(ConfigModel& to, const ConfigModel& from, const Difference& d)
{
    const int n = d.number;
    switch (d.subject) {
    case DiffSubject::Counts:
        return;
    case DiffSubject::Unit:
        if (d.command)
            takeUnitSetting(to, from, *d.command);
        return;
    case DiffSubject::Source:
        to.setSourceName(n, from.sourceName(n));
        cover(to, from, 0, n);
        return;
    case DiffSubject::Zone:
        to.setZoneName(n, from.zoneName(n));
        cover(to, from, n, 0);
        return;
    case DiffSubject::ZoneAudio:
        takeZoneAudio(to.zoneAudio(n), from.zoneAudio(n), d);
        cover(to, from, n, 0);
        return;
    case DiffSubject::Preset:
        if (d.command == Command::PresetBand)
            to.preset(n).setBand(d.part, from.preset(n).band(d.part));
        else
            to.preset(n).name = from.preset(n).name;
        return;
    case DiffSubject::FavoriteName:
        to.setFavoriteName(n, from.favoriteName(n));
        return;
    case DiffSubject::GroupName:
        to.setGroupName(n, from.groupName(n));
        return;
    case DiffSubject::Favorite:
        // Only the audio code is ever written: any other mark counts as no connection.
        to.setConnection(n, d.source, d.zone,
                         from.connection(n, d.source, d.zone) == kAudioCode
                             ? std::string(kAudioCode)
                             : std::string());
        cover(to, from, d.zone, d.source);
        return;
    case DiffSubject::Group:
        to.setGroupMark(n, d.zone,
                        from.groupMark(n, d.zone) == kGroupMark ? std::string(kGroupMark)
                                                                : std::string());
        cover(to, from, d.zone, 0);
        return;
    }
}

// Each block's lines, without the empty lines between blocks.
std::map<WriterBlock, std::vector<std::string>> linesByBlock(const ConfigModel& model)
{
    std::map<WriterBlock, std::vector<std::string>> blocks;
    for (BlockLine& written : writeConfigurationInBlocks(model))
        if (written.block.kind != WriterBlock::Kind::None)
            blocks[written.block].push_back(std::move(written.line));
    return blocks;
}

bool oneSideOnly(const Difference& d)
{
    return !d.entry && (!d.before || !d.after);
}

} // namespace

std::vector<TiedRows> tiedRows(const std::vector<Difference>& differences)
{
    std::vector<TiedRows> tied;
    const auto zoneRows = [&](std::size_t from, auto belongs) {
        std::vector<std::size_t> rows;
        for (std::size_t i = 0; i < differences.size(); ++i)
            if (i == from ||
                (differences[i].subject == DiffSubject::ZoneAudio &&
                 differences[i].number == differences[from].number && belongs(differences[i])))
                rows.push_back(i);
        return rows;
    };
    for (std::size_t i = 0; i < differences.size(); ++i) {
        const Difference& d = differences[i];
        if (d.subject != DiffSubject::ZoneAudio)
            continue;
        const std::string zone = "zone " + std::to_string(d.number);
        if (d.command == Command::EqMode) {
            std::vector<std::size_t> rows = zoneRows(i, [](const Difference& other) {
                return other.command != Command::VolumeLock && other.command != Command::Volume &&
                       oneSideOnly(other);
            });
            if (rows.size() > 1)
                tied.push_back(
                    {std::move(rows), "The EQ mode of " + zone +
                                          " and the settings only one of the two modes uses go "
                                          "together: what the unit holds of a mode it is not in is "
                                          "not known."});
        } else if (d.command == Command::VolumeLock) {
            std::vector<std::size_t> rows = zoneRows(
                i, [](const Difference& other) { return other.command == Command::Volume; });
            if (rows.size() > 1)
                tied.push_back({std::move(rows), "The volume lock of " + zone +
                                                     " and its volume go together: a locked "
                                                     "zone's volume is not sent."});
        }
    }
    return tied;
}

std::vector<std::string> selectedLines(const ConfigModel& unit, const ConfigModel& edited,
                                       const std::vector<Difference>& chosen)
{
    ConfigModel composed = unit;
    for (const Difference& d : chosen)
        take(composed, edited, d);
    const std::set<WriterBlock> blocks = blocksOf(chosen);
    const auto held = linesByBlock(unit);
    const auto written = linesByBlock(composed);
    // In the writer's order; a block the unit holds so already is left out.
    std::vector<std::string> lines;
    for (const BlockLine& line : writeConfigurationInBlocks(composed)) {
        if (!blocks.contains(line.block) || line.block.kind == WriterBlock::Kind::End)
            continue;
        const auto found = held.find(line.block);
        if (found == held.end() || found->second != written.at(line.block))
            lines.push_back(line.line);
    }
    lines.emplace_back(kEndMarker);
    return lines;
}

} // namespace zel::model
