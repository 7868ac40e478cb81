#pragma once
// The rule that turns bytes received from a unit into text for the configuration text box:
// printable characters are kept, a carriage return becomes a line break, everything else
// (line feeds, tabs, other control codes, bytes above 126) is dropped.

#include <QString>

namespace zel::link {

enum class ReceivedByte {
    Printable, // codes 32 to 126: kept as they are
    LineBreak, // carriage return: starts a new line
    Dropped,   // any other byte
};

ReceivedByte classifyReceivedByte(char byte);

// Applies the rule to one byte: appends it to `text` ("\n" for a line break) and returns its class.
ReceivedByte appendReceivedByte(QString& text, char byte);

} // namespace zel::link
