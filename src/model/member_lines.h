#pragma once
// Sending only the members that changed: of one of the writer's blocks, the lines that bring a
// unit holding one configuration to another, member by member as the writer writes them from
// the edited side. A zone's volume goes as its lock and value lines, its mode as the mode line
// and what that mode writes, a band or the balance as its own line; a member left as the unit
// holds it is never written.

#include "model/config_writer.h"

#include <string>
#include <vector>

namespace zel::model {

class ConfigModel;

// The lines of `block` written from `edited` whose members differ from `unit`'s, in the
// writer's order. A block whose lines do not pair up member by member (the marker blocks of
// groups and favorites, a zone whose audio one side does not know) goes whole when it differs.
std::vector<std::string> memberLines(const ConfigModel& unit, const ConfigModel& edited,
                                     WriterBlock block);

// Every line of `block` as the writer writes it from `model`.
std::vector<std::string> blockLinesOf(const ConfigModel& model, WriterBlock block);

} // namespace zel::model
