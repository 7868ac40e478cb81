#pragma once
// Compares two configurations as the writer would write them and describes every difference in
// the unit's own terms, one text per member ("Zone 3 volume: -20 -> -12").

#include "model/command_language.h"

#include <optional>
#include <string>
#include <vector>

namespace zel::model {

class ConfigModel;

// What a member belongs to, for finding it where it is edited.
enum class DiffSubject {
    Counts, // the zone and source counts
    Unit,   // panel and network settings
    Source, // number: the source
    Zone,   // name (number: the zone)
    ZoneAudio,
    Preset,
    FavoriteName,
    Favorite, // a favorite's connections
    GroupName,
    Group, // a group's members
};

// One member that differs, in the unit's terms.
struct Difference {
    DiffSubject subject = DiffSubject::Counts;
    int number = 0;     // the zone, source, preset, favorite or group; 0 for the unit
    std::string member; // "Zone 3 volume", "Favorite 2: zone 1 plays source 4"
    bool entry = false; // a member that is there or not (a connection, a group member)
    std::optional<std::string> before, after; // values; nothing where a side does not write it
                                              // (for an entry: nothing where it is not there)
    // The cell of an entry: the zone of a group member, the zone and source of a favorite's
    // connection; 0 elsewhere.
    int zone = 0;
    int source = 0;
    // The setting itself, whatever its label says: the command whose line writes it (nothing for
    // the counts and for a zone's audio settings as a whole), and which of the line's values it
    // is: the band of an EQ band, 2 for the treble of a tone line; 0 elsewhere.
    std::optional<Command> command;
    int part = 0;

    bool operator==(const Difference&) const = default;
};

// The differences from `before` to `after`, in the order diffConfigurations() describes.
std::vector<Difference> compareConfigurations(const ConfigModel& before, const ConfigModel& after);

// One difference as a line: "label: a -> b", "label: a (added)", "label (removed)".
std::string describe(const Difference& difference);

// The differences from `before` to `after`, in a fixed order: counts, panel, network, sources,
// zones, device presets, favorites, groups. Empty when both would be written alike.
//
// Only what the writer writes is compared, so that two texts that read back alike compare equal:
// - zones and sources beyond a count, and favorite and group entries of such zones and sources,
//   are left out; a zone or source that one side has and the other does not is reported as
//   "(added)" or "(removed)";
// - a zone's audio settings count only once an EQ-mode line has been read for it; when one side
//   has them and the other not, one line says so;
// - a locked zone's volume, the fields of EQ modes other than the zone's own, a system EQ preset
//   of 0, an unset lowpass and the addresses under DHCP are not written and not compared;
// - zone, source, favorite and group names are compared cut to 16 characters, an empty name
//   alike to a single blank;
// - a balance of 0 is one value however it was read ("L0" or "R0").
// A member written on one side only is reported with its value and "(added)" or "(removed)".
std::vector<std::string> diffConfigurations(const ConfigModel& before, const ConfigModel& after);

} // namespace zel::model
