#pragma once
// The command language as the reader sees it: the 27 expressions of command_language.h, tried in
// their fixed order, and the log line that a match produces.

#include "model/command_language.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel::model {

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
