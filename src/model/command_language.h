#pragma once
// The command language, one description per command: the expression the reader tries, which is
// also the written form, the log line of a match, and what each field holds, with the range the
// editing pages give it. The reader, the writer, the check, the diff and the pages take it here.

#include "model/config_model.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zel::model {

// The commands in the order in which the reader tries their expressions.
enum class Command {
    Volume,             // [VOzRn]
    ZoneEqBand,         // [EOzBbLn]
    Tone,               // [TOzBnTm]
    BalanceLeft,        // [BOzLn]
    BalanceRight,       // [BOzRn]
    EqMode,             // [EOzMm]
    Lowpass,            // [EOzLPn]
    VolumeLock,         // [VOzFd]
    SystemEqPreset,     // [EOzPn]
    PresetName,         // [NEPp"name"]
    PresetBand,         // [EPpBbLn]
    FavoriteName,       // [NFf"name"]
    GroupName,          // [NGg"name"]
    ZoneName,           // [NOz"name"]
    SourceName,         // [NIs"name"]
    Restrict,           // [RPOzIs]
    GroupMember,        // [GgAOz]
    FavoriteConnection, // [FfAOzIs]
    FrontPanel,         // [FPLd]
    IrLockout,          // [IRLd]
    Display,            // [SDl]
    Dhcp,               // [DHCPd]
    IpAddress,          // [IPtext]
    Netmask,            // [NMtext]
    Gateway,            // [GWtext]
    Request,            // [QXSB]
    ZoneSource,         // [COtext]
};

inline constexpr std::size_t kCommandCount = 27;
inline constexpr std::size_t kMaxFields = 3;

// $1, $2 and $3 of a match, or the fields of a line to write; a field the command does not have
// is empty.
using CommandFields = std::array<std::string, kMaxFields>;

// What a field holds, and so how the model keeps it. The table numbers come first and the
// levels (Level..WholeNumber) next, so that each is one range of kinds.
enum class FieldKind {
    None, // the command has no such field
    // Numbers of the model's tables, 1..the table's size.
    Zone,
    Source,
    Favorite,
    Group,
    Preset,
    Band,
    Level,         // a number kept in its low 8 bits, read as a signed value
    ReversedLevel, // kept as Level, with the sign reversed: bass, treble, left balance
    ClampedLevel,  // kept as Level, then brought into its range: the display level
    WholeNumber,   // a number kept whole: the lowpass in Hz
    Flag,          // "1" is on, any other digits off
    Name,          // between double quotes, kept to its first 16 characters
    WholeName,     // between double quotes, kept whole: preset names
    Text,          // free text up to the last "]" of the line
};

struct Field {
    FieldKind kind = FieldKind::None;
    std::string_view logLabel; // stands before the field in the log line
    std::string_view name;     // the field in a message: "zone", "volume", "front-panel lock"
    int low = 0;               // table numbers: 1..the size; levels: as the editing pages allow
    int high = 0;
};

// The part of the model a command sets: the reader applies, and the check weighs, each subject
// in one place.
enum class Subject {
    ZoneAudio,   // one zone's audio record
    Preset,      // one device EQ preset
    Name,        // the favorite, group, zone and source names
    Membership,  // the group membership and the favorites table
    UnitSetting, // the front panel, the display and the network
    Nothing,     // accepted and dropped: the dump request, restrictions, zone-source lines
};

struct CommandDescription {
    Command command;
    Subject subject;
    // RE2, matched without regard to case. Its groups are the fields; with each group replaced
    // by its field and the escapes dropped it is also the written form.
    const char* pattern;
    std::array<Field, kMaxFields> fields;
    bool logged = true; // false: accepted without a log line

    constexpr std::size_t fieldCount() const
    {
        std::size_t count = 0;
        while (count < kMaxFields && fields[count].kind != FieldKind::None)
            ++count;
        return count;
    }
};

// The description of `command`.
const CommandDescription& commandDescription(Command command);

// Field `index` (from 0) of `command`.
inline const Field& commandField(Command command, std::size_t index)
{
    return commandDescription(command).fields.at(index);
}

// The command's written form with these fields, letters in upper case: [VO3R-20] of "3" and
// "-20".
std::string commandLine(Command command, const CommandFields& fields);

// The request for a unit's whole configuration, "[QXSB]", which also ends the unit's answer.
const std::string& dumpRequest();

// What a telnet client sends first, before an export's lines or the dump request; the unit answers
// ")" or "]".
inline constexpr std::string_view kHandshake = "[]";

// Lines an export writes that the reader does not handle: before the group lines, before the
// favorite lines, and last.
inline constexpr std::string_view kGroupsMarker = "[GAR]";
inline constexpr std::string_view kFavoritesMarker = "[FAR]";
inline constexpr std::string_view kEndMarker = "[EC]";

// The names of EQ modes 0..4 and the frequencies of bands 1..10, as the pages show them.
inline constexpr std::array<std::string_view, 5> kEqModeNames = {
    "EQ/Tone Disabled", "ZQ Mode", "Preset Mode", "Tone Controls", "Lowpass"};
inline constexpr std::array<std::string_view, kBands> kBandFrequencies = {
    "32", "64", "125", "250", "500", "1K", "2K", "4K", "8K", "16K"};

} // namespace zel::model
