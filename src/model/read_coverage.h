#pragma once
// Which settings the lines of a text set, as the reader saw them: a setting is a command with the
// zone, source, favorite, group, preset or band it names. What a whole configuration sets and a
// text did not is told from it (whole_configuration.h).

#include "model/command_table.h"

#include <bitset>

namespace zel::model {

class ReadCoverage {
public:
    // A line of `match` that the reader handled. A line that names a number outside its table
    // sets nothing, and counts for nothing here either.
    void add(const CommandMatch& match);

    // Whether a handled line of `command` named `first` and `second`: its first two table
    // numbers (zone and band, preset and band, favorite and zone, ...), 0 where it has none.
    bool saw(Command command, int first = 0, int second = 0) const;
    // Whether any handled line was one of `command`.
    bool sawAny(Command command) const;

    bool operator==(const ReadCoverage&) const = default;

private:
    static constexpr std::size_t kSlots = 17; // 0 and the numbers 1..16
    static std::size_t index(Command command, int first, int second);

    std::bitset<kCommandCount * kSlots * kSlots> m_seen;
    std::bitset<kCommandCount> m_commands;
};

} // namespace zel::model
