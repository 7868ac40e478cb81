#pragma once
// What the configuration language can carry inside a name or an address. A line break ends the
// line, "]" ends the command, a "[" reads as the start of another command, other control codes
// do not survive a unit's link, and the reader cuts a name at the byte 0xFF: a text holding any
// of them is lost, cut or misread on its way through a file or a unit.

#include <string>
#include <string_view>
#include <vector>

namespace zel::model {

class ConfigModel;

// Whether `byte` may stand in a name or an address.
bool isCarriedByte(unsigned char byte);

// What in `text` the language cannot carry, after its first such byte ("a line break", "\"[\"",
// "the byte 0xFF", "a control code (\x09)"); empty when it carries all of it.
std::string uncarriedReason(std::string_view text);

// A name or an address the language cannot carry.
struct UncarriedText {
    std::string field;  // "zone 5 name", "netmask"
    std::string text;   // as the model holds it
    std::string reason; // as uncarriedReason() gives it
};

// The names and addresses that an export of `model` writes and the language cannot carry, in
// the order the writer writes them.
std::vector<UncarriedText> uncarriedTexts(const ConfigModel& model);

// The field, its text (control codes shown as \xNN) and the reason, for a message.
std::string describeUncarried(const UncarriedText& found);

} // namespace zel::model
