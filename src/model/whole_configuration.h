#pragma once
// What a whole configuration sets, and what of it a text did not. A unit's dump, and every text
// the writer makes, sets the panel lines, the ten presets, a name for every zone and source up
// to the counts, each zone's audio, the groups and favorites, the favorite and group names and
// the network. An export writes all of them whatever was read, so a text that did not set one
// (a fetch cut short, a partial journal entry, a fragment made by hand) would be sent with
// blanks or defaults in its place: favorites and groups cleared, DHCP off with the address
// "IPAddress", a zone at full volume.

#include <string>
#include <vector>

namespace zel::model {

class ConfigModel;
class ReadCoverage;

// What `model`, read from a text whose lines set `seen`, would be exported with although the
// text did not set it, in plain words, one part an entry, in the writer's order ("the names of
// presets 3 to 10", "the favorites", "the IP address"). Empty for a whole configuration.
//
// Which zone audio settings a zone needs follows its EQ mode and lock, as the writer's lines do.
// Group and favorite lines may rightly be absent: their part counts as set once the text holds a
// line that a whole configuration writes after them (the favorite and group names, the network).
std::vector<std::string> missingFromWhole(const ConfigModel& model, const ReadCoverage& seen);

// The parts joined for a message: "a; b; c".
std::string joinParts(const std::vector<std::string>& parts);

} // namespace zel::model
