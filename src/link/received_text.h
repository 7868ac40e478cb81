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

// The rule applied to a stream of bytes, with the line count that the status shows while a
// dump comes in: " Importing N lines from " and where from, N being the lines of the text when
// the last "[" arrived, halved. Used by the import and by the serial port between transfers.
class ReceivedTextReader {
public:
    // Counting goes on from a text of `lineBreaks` line breaks, with text after the last one
    // when `partialLine`.
    void continueFrom(int lineBreaks, bool partialLine);
    // Applies the rule to `byte`, appending to `text`.
    void receive(char byte, QString& text);
    // The status for the last "[" received since the previous call; empty when none came.
    QString takeStatus(const QString& peer);

private:
    int m_lineBreaks = 0;
    bool m_partialLine = false;
    int m_linesAtBracket = -1;
};

} // namespace zel::link
