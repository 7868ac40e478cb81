#include "model/config_model.h"

#include <algorithm>
#include <stdexcept>

namespace zel::model {

size_t ConfigModel::index(int n, int size)
{
    if (n < 1 || n > size)
        throw std::out_of_range("table number out of range");
    return static_cast<size_t>(n - 1);
}

void ConfigModel::raiseZoneCount(long long z)
{
    m_zoneCount = static_cast<int>(std::clamp<long long>(z, m_zoneCount, kMaxZones));
}

void ConfigModel::raiseSourceCount(long long s)
{
    m_sourceCount = static_cast<int>(std::clamp<long long>(s, m_sourceCount, kMaxSources));
}

void ConfigModel::clearCounts()
{
    m_zoneCount = -1;
    m_sourceCount = -1;
}

const std::string& ConfigModel::connection(int f, int s, int z) const
{
    return m_connections.at((index(f, kFavorites) * kMaxSources + index(s, kMaxSources)) *
                                kMaxZones +
                            index(z, kMaxZones));
}

void ConfigModel::setConnection(int f, int s, int z, std::string code)
{
    m_connections.at((index(f, kFavorites) * kMaxSources + index(s, kMaxSources)) * kMaxZones +
                     index(z, kMaxZones)) = std::move(code);
}

const std::string& ConfigModel::groupMark(int g, int z) const
{
    return m_groupMarks.at(index(g, kGroups) * kMaxZones + index(z, kMaxZones));
}

void ConfigModel::setGroupMark(int g, int z, std::string mark)
{
    m_groupMarks.at(index(g, kGroups) * kMaxZones + index(z, kMaxZones)) = std::move(mark);
}

void ConfigModel::setDisplayLevel(int level)
{
    m_displayLevel = std::clamp(level, 0, static_cast<int>(kDisplayLevelTexts.size()) - 1);
}

} // namespace zel::model
