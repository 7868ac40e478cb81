#pragma once
// The built-in blank configurations of the two unit sizes.

#include <string>
#include <vector>

namespace zel::model {

enum class UnitSize { Zel8 = 8, Zel16 = 16 };

// The blank template's lines (185 for the ZEL-8, 233 for the ZEL-16).
std::vector<std::string> templateLines(UnitSize size);

} // namespace zel::model
