#pragma once
// The in-memory configuration of one ZEL unit. Standard C++ only: the window, the link and the
// command-line tools all share this one representation.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zel::model {

constexpr int kMaxZones = 16;
constexpr int kMaxSources = 16;
constexpr int kFavorites = 10;
constexpr int kGroups = 10;
constexpr int kPresets = 10;
constexpr int kBands = 10;
constexpr int kNameLength = 16; // zone, source, favorite and group names

// EQ modes of a zone.
enum EqMode : int8_t {
    kEqModeNone = -1,
    kEqModeDisabled = 0,
    kEqModeZq = 1,
    kEqModePreset = 2,
    kEqModeTone = 3,
    kEqModeLowpass = 4,
};

// Connection codes and marks held in the favorites table and the group membership.
inline constexpr std::string_view kAudioCode = "A";
inline constexpr std::string_view kGroupMark = "G";
inline constexpr std::string_view kUnavailableMark = "X";

// One zone's audio settings. Bass and treble are held with their sign reversed (a boost of
// +6 dB is held as -6); everything 8-bit keeps the low 8 bits of what was read.
struct ZoneAudio {
    bool audioKnown = false;            // set only by an EQ-mode line
    std::array<int8_t, kBands> bands{}; // bands[0] is band 1 (32 Hz)
    int8_t bass = 0;
    int8_t treble = 0;
    int8_t volume = 0;
    int8_t balance = 0;        // left n dB = -n, right n dB = n
    int8_t eqMode = 0;         // EqMode, or any value read
    int8_t systemEqPreset = 0; // n of [EOzPn], stored unchanged
    int32_t lowpass = 0;       // Hz; -1 = not set
    bool volumeLocked = false;

    int8_t band(int b) const { return bands.at(static_cast<size_t>(b - 1)); }
    void setBand(int b, int8_t level) { bands.at(static_cast<size_t>(b - 1)) = level; }

    bool operator==(const ZoneAudio&) const = default;
};

struct DevicePreset {
    std::array<int8_t, kBands> bands{}; // bands[0] is band 1
    std::string name;                   // kept whole

    int8_t band(int b) const { return bands.at(static_cast<size_t>(b - 1)); }
    void setBand(int b, int8_t level) { bands.at(static_cast<size_t>(b - 1)) = level; }

    bool operator==(const DevicePreset&) const = default;
};

struct NetworkSettings {
    bool dhcp = false;
    std::string ipAddress = "IPAddress";
    std::string netmask = "Netmask";
    std::string gateway = "Gateway";

    bool operator==(const NetworkSettings&) const = default;
};

// Texts of the display brightness steps 0..3.
inline constexpr std::array<std::string_view, 4> kDisplayLevelTexts = {"100%", "75%", "50%", "25%"};

// All numbers are 1-based as in the configuration text. Accessors throw std::out_of_range for a
// number outside the table; code that takes numbers from text checks them first with the
// is...() helpers.
class ConfigModel {
public:
    static bool isZone(long long z) { return z >= 1 && z <= kMaxZones; }
    static bool isSource(long long s) { return s >= 1 && s <= kMaxSources; }
    static bool isFavorite(long long f) { return f >= 1 && f <= kFavorites; }
    static bool isGroup(long long g) { return g >= 1 && g <= kGroups; }
    static bool isPreset(long long p) { return p >= 1 && p <= kPresets; }
    static bool isBand(long long b) { return b >= 1 && b <= kBands; }

    int zoneCount() const { return m_zoneCount; }
    int sourceCount() const { return m_sourceCount; }
    // Raise-only, capped at 16; any number counts (a zone-name line for zone 40 gives 16).
    void raiseZoneCount(long long z);
    void raiseSourceCount(long long s);
    void clearCounts();

    ZoneAudio& zoneAudio(int z) { return m_zoneAudio.at(index(z, kMaxZones)); }
    const ZoneAudio& zoneAudio(int z) const { return m_zoneAudio.at(index(z, kMaxZones)); }

    DevicePreset& preset(int p) { return m_presets.at(index(p, kPresets)); }
    const DevicePreset& preset(int p) const { return m_presets.at(index(p, kPresets)); }

    // Connection code of favorite f: does zone z play source s? Empty or "A" (or a mark
    // copied back from the favorites matrix, never written out).
    const std::string& connection(int f, int s, int z) const;
    void setConnection(int f, int s, int z, std::string code);

    // Group mark of group g, zone z: "G", empty, or "X" for a zone beyond the zone count.
    const std::string& groupMark(int g, int z) const;
    void setGroupMark(int g, int z, std::string mark);

    const std::string& zoneName(int z) const { return m_zoneNames.at(index(z, kMaxZones)); }
    const std::string& sourceName(int s) const { return m_sourceNames.at(index(s, kMaxSources)); }
    const std::string& favoriteName(int f) const
    {
        return m_favoriteNames.at(index(f, kFavorites));
    }
    const std::string& groupName(int g) const { return m_groupNames.at(index(g, kGroups)); }
    void setZoneName(int z, std::string name)
    {
        m_zoneNames.at(index(z, kMaxZones)) = std::move(name);
    }
    void setSourceName(int s, std::string name)
    {
        m_sourceNames.at(index(s, kMaxSources)) = std::move(name);
    }
    void setFavoriteName(int f, std::string name)
    {
        m_favoriteNames.at(index(f, kFavorites)) = std::move(name);
    }
    void setGroupName(int g, std::string name)
    {
        m_groupNames.at(index(g, kGroups)) = std::move(name);
    }

    NetworkSettings& network() { return m_network; }
    const NetworkSettings& network() const { return m_network; }

    bool frontPanelLocked() const { return m_frontPanelLocked; }
    void setFrontPanelLocked(bool on) { m_frontPanelLocked = on; }
    bool irLockout() const { return m_irLockout; }
    void setIrLockout(bool on) { m_irLockout = on; }

    int displayLevel() const { return m_displayLevel; }
    void setDisplayLevel(int level); // clamped to 0..3
    std::string_view displayLevelText() const
    {
        return kDisplayLevelTexts.at(static_cast<size_t>(m_displayLevel));
    }

    // Every member equal: counts, tables, names, network, lockouts and display level.
    bool operator==(const ConfigModel&) const = default;

private:
    static size_t index(int n, int size);

    int m_zoneCount = -1;
    int m_sourceCount = -1;
    std::array<ZoneAudio, kMaxZones> m_zoneAudio{};
    std::array<DevicePreset, kPresets> m_presets{};
    std::array<std::string, kFavorites * kMaxSources * kMaxZones> m_connections{};
    std::array<std::string, kGroups * kMaxZones> m_groupMarks{};
    std::array<std::string, kMaxZones> m_zoneNames{};
    std::array<std::string, kMaxSources> m_sourceNames{};
    std::array<std::string, kFavorites> m_favoriteNames{};
    std::array<std::string, kGroups> m_groupNames{};
    NetworkSettings m_network;
    bool m_frontPanelLocked = false;
    bool m_irLockout = false;
    int m_displayLevel = 0;
};

} // namespace zel::model
