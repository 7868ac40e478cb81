#pragma once
// Configuration texts made into HTML text. A name is bytes: each byte is its Latin-1 character,
// control bytes are shown as \xNN (as Compare shows them), and "<", ">", "&" and quotes are
// escaped, so that no name ever becomes markup.

#include <QString>

#include <string_view>

namespace zel::report {

// `bytes` of the configuration as HTML text.
QString htmlOfBytes(std::string_view bytes);

// A text of the program's own as HTML text.
QString htmlOf(const QString& text);

// A name as a table cell shows it: the name, or a grey "(no name)" when it is empty.
QString nameCell(std::string_view name);

// A signed level as the report writes it: "+3", "0", "-12".
QString signedLevel(int level);

} // namespace zel::report
