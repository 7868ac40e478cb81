#include "model/check_members.h"

namespace zel::model {

namespace {
std::string repeats(int line)
{
    return "repeats line " + std::to_string(line);
}
} // namespace

std::optional<std::string> CheckMembers::set(int line, const std::string& key,
                                             const std::string& value)
{
    const auto [it, first] = m_members.try_emplace(key, Seen{line, value});
    if (first)
        return std::nullopt;
    std::string said =
        it->second.value == value
            ? repeats(it->second.line)
            : "conflicts with line " + std::to_string(it->second.line) + ", the later line wins";
    it->second = Seen{line, value};
    return said;
}

std::optional<std::string> CheckMembers::giveSource(int line, int favorite, int zone, int source)
{
    const std::string key =
        "favorite " + std::to_string(favorite) + " zone " + std::to_string(zone);
    const std::string value = std::to_string(source);
    const auto [it, first] = m_favoriteSources.try_emplace(key, Seen{line, value});
    if (first)
        return std::nullopt;
    if (it->second.value == value)
        return repeats(it->second.line);
    return "favorite " + std::to_string(favorite) + " already gives zone " + std::to_string(zone) +
           " source " + it->second.value + " on line " + std::to_string(it->second.line);
}

} // namespace zel::model
