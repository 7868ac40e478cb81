#include "model/member_lines.h"

#include "model/config_model.h"

namespace zel::model {

namespace {

using Lines = std::vector<std::string>;

void append(Lines& to, Lines::const_iterator from, Lines::const_iterator end)
{
    to.insert(to.end(), from, end);
}

// Lines paired by their place: each one that differs.
Lines differingByPlace(const Lines& unit, const Lines& edited)
{
    if (unit.size() != edited.size())
        return unit == edited ? Lines() : edited;
    Lines changed;
    for (std::size_t i = 0; i < edited.size(); ++i)
        if (unit[i] != edited[i])
            changed.push_back(edited[i]);
    return changed;
}

// A zone's audio lines cut where the writer writes them: the volume (lock, and value when
// unlocked), the mode line, the balance line, then what the mode writes.
struct ZoneParts {
    Lines volume;
    Lines mode;
    Lines balance;
    Lines modeSettings;
};

ZoneParts zoneParts(const ZoneAudio& zone, const Lines& lines)
{
    ZoneParts parts;
    const std::size_t volumeLines = zone.volumeLocked ? 1 : 2;
    auto at = lines.begin();
    const auto take = [&](Lines& part, std::size_t count) {
        const auto end =
            at + static_cast<std::ptrdiff_t>(std::min<std::size_t>(count, lines.end() - at));
        append(part, at, end);
        at = end;
    };
    take(parts.volume, volumeLines);
    take(parts.mode, 1);
    take(parts.balance, 1);
    append(parts.modeSettings, at, lines.end());
    return parts;
}

Lines zoneAudioLines(const ConfigModel& unit, const ConfigModel& edited, int z)
{
    const ZoneAudio& held = unit.zoneAudio(z);
    const ZoneAudio& wanted = edited.zoneAudio(z);
    const Lines unitLines = blockLinesOf(unit, {WriterBlock::Kind::ZoneAudio, z});
    const Lines editedLines = blockLinesOf(edited, {WriterBlock::Kind::ZoneAudio, z});
    const bool pairsUp =
        held.audioKnown && wanted.audioKnown && held.eqMode >= 0 && wanted.eqMode >= 0;
    if (!pairsUp)
        return unitLines == editedLines ? Lines() : editedLines;
    const ZoneParts from = zoneParts(held, unitLines);
    const ZoneParts to = zoneParts(wanted, editedLines);
    Lines changed;
    if (from.volume != to.volume)
        append(changed, to.volume.begin(), to.volume.end());
    const bool modeChanged = from.mode != to.mode;
    if (modeChanged)
        append(changed, to.mode.begin(), to.mode.end());
    if (from.balance != to.balance)
        append(changed, to.balance.begin(), to.balance.end());
    // What a unit holds of a mode it was not in is not known: a new mode writes all it has.
    const Lines settings =
        modeChanged ? to.modeSettings : differingByPlace(from.modeSettings, to.modeSettings);
    append(changed, settings.begin(), settings.end());
    return changed;
}

} // namespace

Lines blockLinesOf(const ConfigModel& model, WriterBlock block)
{
    Lines lines;
    for (BlockLine& written : writeConfigurationInBlocks(model))
        if (written.block == block)
            lines.push_back(std::move(written.line));
    return lines;
}

Lines memberLines(const ConfigModel& unit, const ConfigModel& edited, WriterBlock block)
{
    using Kind = WriterBlock::Kind;
    switch (block.kind) {
    case Kind::None:
    case Kind::End:
        return {};
    case Kind::ZoneAudio:
        return zoneAudioLines(unit, edited, block.number);
    case Kind::Groups:
    case Kind::Favorites: {
        Lines editedLines = blockLinesOf(edited, block);
        return blockLinesOf(unit, block) == editedLines ? Lines() : editedLines;
    }
    default:
        return differingByPlace(blockLinesOf(unit, block), blockLinesOf(edited, block));
    }
}

} // namespace zel::model
