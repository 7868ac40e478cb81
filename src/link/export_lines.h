#pragma once
// Which lines of an exported configuration text are sent, and the acknowledgement each expects.

#include <QString>

namespace zel::link {

// A line is sent only if it holds a "[" and a "]" somewhere; empty separator lines are skipped.
bool isSendableLine(const QString& line);

// The unit acknowledges a line with its text between parentheses instead of brackets:
// "[VO1R-12]" expects "(VO1R-12)".
QString expectedReply(const QString& line);

} // namespace zel::link
