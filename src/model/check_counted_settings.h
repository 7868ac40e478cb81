#pragma once
// The settings an export writes only when their zone and source lie within the counts, and
// zone audio settings only when the zone has an EQ-mode line. The counts and the EQ-mode lines
// are known only once the whole text is read, so the settings wait here until then.

#include "model/config_check.h"

#include <cstdint>
#include <set>
#include <vector>

namespace zel::model {

class CheckCountedSettings {
public:
    // A setting on line `line` of zone `zone`; `source` 0 when it names no source; `zoneAudio`
    // when it is written only for a zone with an EQ-mode line.
    void add(int line, int zone, int source, bool zoneAudio);
    // A zone or a source name line raises its count to its number, capped at 16.
    void raiseZoneCount(int32_t number);
    void raiseSourceCount(int32_t number);
    void addModeZone(int zone);

    // What an export leaves out, one finding a setting, in the order the settings were added.
    std::vector<CheckFinding> findings() const;

private:
    struct Setting {
        int line;
        int zone;
        int source;
        bool zoneAudio;
    };

    std::vector<Setting> m_settings;
    std::set<int> m_modeZones;
    int m_zoneCount = -1;
    int m_sourceCount = -1;
};

} // namespace zel::model
