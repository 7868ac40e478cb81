#pragma once
// What the model keeps of the fields of a matched line, and what the check says of a line's own
// values: numbers beyond 32 bits, levels outside the editing pages' ranges, switches other than
// 0 and 1, names that are cut, and names or addresses the language cannot carry.

#include "model/command_table.h"

#include <string>
#include <vector>

namespace zel::model {

// Whether every number of a line that stores something fits 32 bits. The reader converts a
// number only where a step uses it: a name line with an empty name never converts its number.
bool numbersFit(Command command, const CommandFields& fields);

// What the model keeps of field i, a level, as set: bass, treble and left balance with their
// sign as written.
int keptLevel(const CommandMatch& match, std::size_t i);
// What the model keeps of field i, as a member value: a switch as "0" or "1", a name cut to 16
// characters, a level as keptLevel() gives it.
std::string keptText(const CommandMatch& match, std::size_t i);

// "volume 5 is outside -80..0": `text` of `field` beyond its range.
std::string outsideRange(const Field& field, const std::string& text);

// The values of a line whose numbers lie in their tables: levels against the ranges of the
// editing pages, switches other than 0 and 1, names that are cut; in field order.
std::vector<std::string> valueProblems(const CommandMatch& match);
// Names and addresses that an export would write as read but the language cannot carry.
std::vector<std::string> carriedProblems(const CommandMatch& match);

} // namespace zel::model
