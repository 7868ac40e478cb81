#pragma once
// Puts many lines of 8-bit text into a text box at once. The lines are joined and inserted in a
// single edit with painting suspended, so a whole configuration appears without a repaint per line.

#include <QString>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace zel::ui {

// Joins 8-bit lines (Latin-1) into one text, lines separated by a line break.
QString joinLatin1Lines(const std::vector<std::string>& lines);

// Replaces the box's text with the lines.
void setLines(QPlainTextEdit* box, const std::vector<std::string>& lines);

// Adds the lines below the box's text, each as its own line. Nothing is added for no lines.
void appendLines(QPlainTextEdit* box, const std::vector<std::string>& lines);

// The box's text as it holds it, lines separated by a line break. Unlike toPlainText(), a
// non-breaking space (byte 0xA0) stays what it is, so 8-bit text comes out byte for byte.
QString storedText(const QPlainTextEdit* box);

} // namespace zel::ui
