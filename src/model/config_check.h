#pragma once
// Finds what in a configuration text would be lost, changed or misread on its way through the
// reader and the writer, line by line, before the text is sent to a unit.

#include <string>
#include <string_view>
#include <vector>

namespace zel::model {

struct CheckFinding {
    int line = 0; // from 1, counted as the reader splits the text (CR, LF or CR LF)
    std::string message;

    bool operator==(const CheckFinding&) const = default;
};

// Every finding of `text`, in line order (findings of one line in the order found):
// - lines the reader does not handle or cannot read (a number beyond 32 bits), commands it passes
//   over because the line does not begin with "[", and text beside the command that it ignores;
//   "[GAR]", "[FAR]" and "[EC]", which an export writes, are not findings;
// - zone, source, favorite, group, preset and band numbers outside their tables;
// - values outside the ranges of the editing pages, and switches other than 0 and 1;
// - zone, source, favorite and group names longer than 16 characters;
// - a member set twice, with the same value or another one, and a favorite that gives one zone
//   two sources;
// - settings that an export leaves out: zones and sources beyond the counts, and the audio
//   settings of a zone that has no EQ-mode line.
std::vector<CheckFinding> checkConfiguration(std::string_view text);

} // namespace zel::model
