#include "model/changed_lines.h"

#include "model/command_language.h"

namespace zel::model {

namespace {

using Kind = WriterBlock::Kind;

// Whether a unit setting is one of the panel lines; the others are the network's.
bool isPanelSetting(std::optional<Command> command)
{
    return command == Command::Display || command == Command::FrontPanel ||
           command == Command::IrLockout;
}

} // namespace

WriterBlock blockOf(const Difference& difference)
{
    const int n = difference.number;
    switch (difference.subject) {
    case DiffSubject::Counts:
        return {};
    case DiffSubject::Unit:
        return {isPanelSetting(difference.command) ? Kind::Panel : Kind::Network, 0};
    case DiffSubject::Source:
        return {Kind::SourceName, n};
    case DiffSubject::Zone:
        return {Kind::ZoneName, n};
    case DiffSubject::ZoneAudio:
        return {Kind::ZoneAudio, n};
    case DiffSubject::Preset:
        return {Kind::Preset, n};
    case DiffSubject::FavoriteName:
        return {Kind::FavoriteName, n};
    case DiffSubject::Favorite:
        return {Kind::Favorites, 0};
    case DiffSubject::GroupName:
        return {Kind::GroupName, n};
    case DiffSubject::Group:
        return {Kind::Groups, 0};
    }
    return {};
}

std::set<WriterBlock> blocksOf(const std::vector<Difference>& chosen)
{
    std::set<WriterBlock> blocks;
    for (const Difference& difference : chosen)
        if (const WriterBlock block = blockOf(difference); block.kind != Kind::None)
            blocks.insert(block);
    return blocks;
}

std::vector<std::string> changedLines(const ConfigModel& edited,
                                      const std::set<WriterBlock>& chosen)
{
    std::vector<std::string> lines;
    for (BlockLine& written : writeConfigurationInBlocks(edited))
        if (written.block.kind == Kind::End || chosen.contains(written.block))
            lines.push_back(std::move(written.line));
    return lines;
}

std::vector<std::string> changedLines(const ConfigModel& unit, const ConfigModel& edited)
{
    return changedLines(edited, blocksOf(compareConfigurations(unit, edited)));
}

} // namespace zel::model
