#pragma once
// Turns a ConfigModel into configuration text: config lines in their fixed order, with the empty
// lines between blocks.

#include <string>
#include <string_view>
#include <vector>

namespace zel::model {

class ConfigModel;

std::vector<std::string> writeConfiguration(const ConfigModel& model);

// A zone, source, favorite or group name as the writer writes it: its first 16 characters, a
// blank when that is empty.
std::string writtenName(const std::string& name);

// Joins lines with `lineEnd` after every line, the last one included.
std::string joinLines(const std::vector<std::string>& lines, std::string_view lineEnd);

} // namespace zel::model
