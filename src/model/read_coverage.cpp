#include "model/read_coverage.h"

#include "model/config_reader.h"
#include "model/number_text.h"

namespace zel::model {

namespace {

bool isTableNumber(FieldKind kind)
{
    return kind >= FieldKind::Zone && kind <= FieldKind::Band;
}

} // namespace

std::size_t ReadCoverage::index(Command command, int first, int second)
{
    return (static_cast<std::size_t>(command) * kSlots + static_cast<std::size_t>(first)) * kSlots +
           static_cast<std::size_t>(second);
}

void ReadCoverage::add(const CommandMatch& match)
{
    if (!setsModel(match.command))
        return;
    int numbers[2] = {0, 0};
    std::size_t found = 0;
    for (std::size_t i = 0; i < kMaxFields; ++i) {
        const Field& field = commandField(match.command, i);
        if (!isTableNumber(field.kind))
            continue;
        const std::optional<int32_t> number = parseInt32(match.fields[i]);
        if (!number || *number < field.low || *number > field.high)
            return;
        if (found < 2)
            numbers[found++] = *number;
    }
    m_seen.set(index(match.command, numbers[0], numbers[1]));
    m_commands.set(static_cast<std::size_t>(match.command));
}

bool ReadCoverage::saw(Command command, int first, int second) const
{
    const auto inRange = [](int n) { return n >= 0 && n < static_cast<int>(kSlots); };
    return inRange(first) && inRange(second) && m_seen.test(index(command, first, second));
}

bool ReadCoverage::sawAny(Command command) const
{
    return m_commands.test(static_cast<std::size_t>(command));
}

} // namespace zel::model
