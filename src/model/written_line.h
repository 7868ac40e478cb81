#pragma once
// A command's line with its fields filled from model values, as the writer writes every line:
// numbers in plain decimal with "-" when negative, flags as "1" or "0", names of the Name kind as
// writtenName() gives them, other texts as they are.

#include "model/command_language.h"

#include <concepts>
#include <string>
#include <string_view>

namespace zel::model {

std::string writtenField(FieldKind kind, std::string_view text);

template <std::integral Number> std::string writtenField(FieldKind, Number number)
{
    if constexpr (std::same_as<Number, bool>)
        return number ? "1" : "0";
    else
        return std::to_string(static_cast<long long>(number));
}

// The line of `command` with one value for each of its fields, in order: [VO3R-20] of 3 and -20.
template <typename... Values> std::string writtenLine(Command command, const Values&... values)
{
    static_assert(sizeof...(Values) >= 1 && sizeof...(Values) <= kMaxFields);
    const CommandDescription& description = commandDescription(command);
    CommandFields fields;
    std::size_t i = 0;
    ((fields[i] = writtenField(description.fields[i].kind, values), ++i), ...);
    return commandLine(command, fields);
}

} // namespace zel::model
