#pragma once
// What keeps a unit's dump that ended from being a whole configuration. A device that only
// echoes what it is sent, or a unit whose dump left parts out, ends its dump all the same: what
// came must not stand for what the unit holds, nor replace a whole copy of it.

#include <string>
#include <string_view>

namespace zel::model {

// Empty when `text` reads as a whole configuration; else why not, in plain words
// ("no configuration line came", "it does not set the favorites; the IP address").
std::string dumpShortfall(std::string_view text);

} // namespace zel::model
