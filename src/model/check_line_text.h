#pragma once
// How the check shows a configuration line in its messages, and how it compares a line with the
// command the reader found in it.

#include <string>
#include <string_view>

namespace zel::model {

// A line as a message shows it: control bytes as \xNN, cut to 60 characters with "...".
std::string shownLine(std::string_view line);
// shownLine() in double quotes.
std::string quotedLine(std::string_view text);

bool sameIgnoringCase(std::string_view a, std::string_view b);
// The line without the blanks and tabs at its end.
std::string_view withoutTrailingBlanks(std::string_view line);
// "[GAR]", "[FAR]" and "[EC]" in any case: an export writes them and the reader does not handle
// them, so a saved file holds them as a matter of course.
bool isExportMarker(std::string_view line);

} // namespace zel::model
