#pragma once
// The command language as the reader sees it: 27 expressions, tried in a fixed order, each with
// the log line that a match produces.

#include <array>
#include <cstddef>
#include <optional>
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

// $1, $2 and $3 of a match; a field the expression does not have is empty.
using CommandFields = std::array<std::string, kMaxFields>;

struct CommandMatch {
    Command command;
    CommandFields fields;
};

// The first expression, in the reader's order, that matches anywhere in `line` without regard to
// case; nothing when none does.
std::optional<CommandMatch> matchCommand(std::string_view line);

// Whether the expression of `command` alone matches `line`, whatever the others do.
bool matchesExpression(Command command, std::string_view line);

// The expression of `command`, as compiled.
std::string_view commandPattern(Command command);

// The log line of a match; nothing for [QXSB] and [CO...], which are accepted silently.
std::optional<std::string> logLine(const CommandMatch& match);

// Capture splitting: "$1" 0xFF "$2" 0xFF "$3" 0xFF cut at every 0xFF, first three pieces kept.
// A capture holding 0xFF therefore ends there, and what follows moves into the next field.
CommandFields splitCaptures(std::string_view first, std::string_view second,
                            std::string_view third);

} // namespace zel::model
