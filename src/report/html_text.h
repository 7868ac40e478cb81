#pragma once
// Configuration texts made into HTML text, and the words the report uses for a configuration's
// values. A name is bytes: each byte is its Latin-1 character, control bytes are shown as \xNN
// (as Compare shows them), and "<", ">", "&" and quotes are escaped, so that no name ever becomes
// markup.

#include <QString>

#include <string_view>

namespace zel::report {

// `bytes` of the configuration as HTML text.
QString htmlOfBytes(std::string_view bytes);

// A text of the program's own as HTML text.
QString htmlOf(const QString& text);

// A name as a table cell shows it: the name, or a grey "(no name)" when it is empty.
QString nameCell(std::string_view name);

// A number and its name as a table cell shows them: "4 Terrace", "4 (no name)".
QString numberedCell(int number, std::string_view name);

// A name as plain text (control bytes as \xNN), without the blanks around it.
QString nameText(std::string_view name);

// "Zone 4 Terrace", or "Zone 4" for a blank name: a number with its name, as plain text.
QString numberedName(const QString& kind, int number, std::string_view name);

// A signed level as the report writes it: "+3", "0", "-12".
QString signedLevel(int level);

// "centre", "left 3 dB", "right 2 dB".
QString balanceText(int balance);

// The EQ mode's name as the window shows it; "none chosen" or "unknown (n)" otherwise.
QString eqModeText(int mode);

// A band's frequency: "32 Hz", "1 kHz" (band from 1).
QString bandFrequency(int band);

} // namespace zel::report
