#pragma once
// The rule that turns bytes received from a unit into text for the configuration text box:
// printable characters are kept (the Latin-1 ones above 159 too, as names may hold them), a line
// end becomes a line break, everything else (tabs, other control codes, 127 to 159, 255) is
// dropped.

#include <QString>

#include <optional>

namespace zel::link {

enum class ReceivedByte {
    Printable, // codes 32 to 126 and 160 to 254: kept as they are
    LineBreak, // carriage return: starts a new line
    Dropped,   // any other byte
};

ReceivedByte classifyReceivedByte(char byte);

// Applies the rule to one byte: appends it to `text` ("\n" for a line break) and returns its class.
// It sees one byte at a time, so a line feed is dropped: the carriage return before it is the
// line end.
ReceivedByte appendReceivedByte(QString& text, char byte);

// The rule applied to a stream of bytes, with the line count that the status shows while a
// dump comes in: the lines of the text when the last "[" arrived, halved. Used by the import and
// by the serial port between transfers. A carriage return, a line feed, or the pair ends a line,
// as in a configuration file; the pair is one line end even when it comes split across two
// reads.
class ReceivedTextReader {
public:
    // Counting goes on from a text of `lineBreaks` line breaks, with text after the last one
    // when `partialLine`.
    void continueFrom(int lineBreaks, bool partialLine);
    // Applies the rule to `byte`, appending to `text`.
    void receive(char byte, QString& text);
    // The line count for the last "[" received since the previous call; nothing when none came.
    std::optional<int> takeLineCount();

private:
    int m_lineBreaks = 0;
    bool m_partialLine = false;
    bool m_afterCarriageReturn = false; // a line feed now completes that line end
    int m_linesAtBracket = -1;
};

} // namespace zel::link
