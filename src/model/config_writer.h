#pragma once
// Turns a ConfigModel into configuration text: config lines in their fixed order, with the empty
// lines between blocks.

#include <string>
#include <string_view>
#include <vector>

namespace zel::model {

class ConfigModel;

std::vector<std::string> writeConfiguration(const ConfigModel& model);

// The parts of the writer's text that are sent whole or not at all when only what changed is
// sent. A group or favorite line stands in one block with its "[GAR]" or "[FAR]" marker: what a
// unit does with the marker is not fixed, so the block is never split.
struct WriterBlock {
    enum class Kind {
        None, // the empty lines between blocks
        Panel,
        Preset,     // number: the preset; its name and bands
        SourceName, // number: the source
        ZoneName,   // number: the zone
        ZoneAudio,  // number: the zone; every line after its name
        Groups,
        Favorites,
        FavoriteName, // number: the favorite
        GroupName,    // number: the group
        Network,
        End, // "[EC]"
    };
    Kind kind = Kind::None;
    int number = 0;

    auto operator<=>(const WriterBlock&) const = default;
};

struct BlockLine {
    std::string line;
    WriterBlock block;
};

// writeConfiguration()'s lines, each with the block it belongs to.
std::vector<BlockLine> writeConfigurationInBlocks(const ConfigModel& model);

// A zone, source, favorite or group name as the writer writes it: its first 16 characters, a
// blank when that is empty.
std::string writtenName(const std::string& name);

// Joins lines with `lineEnd` after every line, the last one included.
std::string joinLines(const std::vector<std::string>& lines, std::string_view lineEnd);

} // namespace zel::model
