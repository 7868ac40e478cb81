#include "model/changed_lines.h"

#include "model/command_language.h"

#include <cctype>

namespace zel::model {

namespace {

using Kind = WriterBlock::Kind;

// Whether a unit difference is one of the panel lines; the others are the network's.
bool isPanelSetting(const std::string& member)
{
    // The comparison names a setting as its field, with a capital first letter.
    for (const Command command : {Command::Display, Command::FrontPanel, Command::IrLockout}) {
        std::string name(commandField(command, 0).name);
        if (!name.empty())
            name.front() =
                static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
        if (member == name)
            return true;
    }
    return false;
}

} // namespace

WriterBlock blockOf(const Difference& difference)
{
    const int n = difference.number;
    switch (difference.subject) {
    case DiffSubject::Counts:
        return {};
    case DiffSubject::Unit:
        return {isPanelSetting(difference.member) ? Kind::Panel : Kind::Network, 0};
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
