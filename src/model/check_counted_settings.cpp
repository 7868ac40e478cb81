#include "model/check_counted_settings.h"

#include "model/config_model.h"

#include <algorithm>
#include <string>

namespace zel::model {

namespace {
std::string countText(int count)
{
    return count < 1 ? "none" : std::to_string(count);
}
} // namespace

void CheckCountedSettings::add(int line, int zone, int source, bool zoneAudio)
{
    m_settings.push_back({line, zone, source, zoneAudio});
}

void CheckCountedSettings::raiseZoneCount(int32_t number)
{
    m_zoneCount = std::max(m_zoneCount, std::min<int32_t>(number, kMaxZones));
}

void CheckCountedSettings::raiseSourceCount(int32_t number)
{
    m_sourceCount = std::max(m_sourceCount, std::min<int32_t>(number, kMaxSources));
}

void CheckCountedSettings::addModeZone(int zone)
{
    m_modeZones.insert(zone);
}

std::vector<CheckFinding> CheckCountedSettings::findings() const
{
    std::vector<CheckFinding> found;
    for (const Setting& s : m_settings) {
        if (s.zone > m_zoneCount)
            found.push_back({s.line, "zone " + std::to_string(s.zone) +
                                         " lies beyond the zone count (" + countText(m_zoneCount) +
                                         "), an export leaves this out"});
        else if (s.source > 0 && s.source > m_sourceCount)
            found.push_back(
                {s.line, "source " + std::to_string(s.source) + " lies beyond the source count (" +
                             countText(m_sourceCount) + "), an export leaves this out"});
        else if (s.zoneAudio && m_modeZones.count(s.zone) == 0)
            found.push_back(
                {s.line, "zone " + std::to_string(s.zone) +
                             " has no EQ-mode line, an export leaves its audio settings out"});
    }
    return found;
}

} // namespace zel::model
