#pragma once
// How a transfer writes into the configuration text box: received text runs on at the end of
// the last line; a log line stands on a line of its own, and what comes after it starts on a new
// line. The box is scrolled to its end after each addition.

#include <QString>

class QPlainTextEdit;

namespace zel::ui {

void appendReceivedText(QPlainTextEdit* box, const QString& text);
void appendTransferLine(QPlainTextEdit* box, const QString& line);

} // namespace zel::ui
