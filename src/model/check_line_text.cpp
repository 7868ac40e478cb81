#include "model/check_line_text.h"

#include "model/command_language.h"
#include "model/printable_text.h"

#include <algorithm>
#include <cctype>

namespace zel::model {

namespace {
constexpr std::size_t kShownLength = 60; // longer lines are shown cut, with "..."
} // namespace

std::string shownLine(std::string_view line)
{
    const std::string out = escapeControlBytes(line.substr(0, kShownLength));
    return line.size() > kShownLength ? out + "..." : out;
}

std::string quotedLine(std::string_view text)
{
    return "\"" + shownLine(text) + "\"";
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

std::string_view withoutTrailingBlanks(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

bool isExportMarker(std::string_view line)
{
    return sameIgnoringCase(line, kGroupsMarker) || sameIgnoringCase(line, kFavoritesMarker) ||
           sameIgnoringCase(line, kEndMarker);
}

} // namespace zel::model
