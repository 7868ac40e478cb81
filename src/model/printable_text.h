#pragma once
// Configuration bytes made safe to print: reports quote names and lines as they were read, and
// a hostile file must not steer the terminal that shows them.

#include <string>
#include <string_view>

namespace zel::model {

// `text` with every control byte (0x00-0x1F, 0x7F-0x9F) written as \xNN.
std::string escapeControlBytes(std::string_view text);

} // namespace zel::model
