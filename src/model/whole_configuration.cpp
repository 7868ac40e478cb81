#include "model/whole_configuration.h"

#include "model/command_language.h"
#include "model/config_model.h"
#include "model/read_coverage.h"

#include <algorithm>
#include <functional>

namespace zel::model {

namespace {

// "3", "1 to 4", "1 to 4, 7 and 9".
std::string numberList(const std::vector<int>& numbers)
{
    std::vector<std::string> runs;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        if (j == i + 1) // two in a row are named as two
            j = i;
        runs.push_back(j == i ? std::to_string(numbers[i])
                              : std::to_string(numbers[i]) + " to " + std::to_string(numbers[j]));
        i = j + 1;
    }
    std::string text;
    for (std::size_t r = 0; r < runs.size(); ++r)
        text += (r == 0 ? "" : r + 1 == runs.size() ? " and " : ", ") + runs[r];
    return text;
}

class Parts {
public:
    Parts(const ConfigModel& model, const ReadCoverage& seen) : m_model(model), m_seen(seen) {}

    std::vector<std::string> run()
    {
        unitSetting(Command::Display, "the display brightness");
        unitSetting(Command::FrontPanel, "the front-panel lock");
        unitSetting(Command::IrLockout, "the IR lockout");
        numbered("the name of preset", "the names of presets", kPresets,
                 [&](int p) { return m_seen.saw(Command::PresetName, p); });
        numbered("the EQ bands of preset", "the EQ bands of presets", kPresets,
                 [&](int p) { return allBands(Command::PresetBand, p); });
        names(m_model.sourceCount(), Command::SourceName, "source", "sources");
        names(m_model.zoneCount(), Command::ZoneName, "zone", "zones");
        zoneAudio();
        if (!passed({Command::GroupMember, Command::FavoriteConnection}))
            m_parts.emplace_back("the groups (which zones belong to each)");
        if (!passed({Command::FavoriteConnection}))
            m_parts.emplace_back("the favorites (which source each zone plays)");
        numbered("the name of favorite", "the names of favorites", kFavorites,
                 [&](int f) { return m_seen.saw(Command::FavoriteName, f); });
        numbered("the name of group", "the names of groups", kGroups,
                 [&](int g) { return m_seen.saw(Command::GroupName, g); });
        network();
        return std::move(m_parts);
    }

private:
    void unitSetting(Command command, const char* what)
    {
        if (!m_seen.sawAny(command))
            m_parts.emplace_back(what);
    }

    void network()
    {
        const bool anyAddress = m_seen.sawAny(Command::IpAddress) ||
                                m_seen.sawAny(Command::Netmask) || m_seen.sawAny(Command::Gateway);
        if (!m_seen.sawAny(Command::Dhcp) && !anyAddress) {
            m_parts.emplace_back("the network settings (DHCP and the addresses)");
            return;
        }
        unitSetting(Command::Dhcp, "the DHCP setting");
        if (m_model.network().dhcp)
            return; // the addresses are not written
        unitSetting(Command::IpAddress, "the IP address");
        unitSetting(Command::Netmask, "the netmask");
        unitSetting(Command::Gateway, "the gateway");
    }

    bool allBands(Command command, int n) const
    {
        for (int b = 1; b <= kBands; ++b)
            if (!m_seen.saw(command, n, b))
                return false;
        return true;
    }

    // The numbers 1..count for which `set` is false, as one part.
    void numbered(const std::string& one, const std::string& several, int count,
                  const std::function<bool(int)>& set)
    {
        std::vector<int> missing;
        for (int n = 1; n <= count; ++n)
            if (!set(n))
                missing.push_back(n);
        if (!missing.empty())
            m_parts.push_back((missing.size() == 1 ? one : several) + " " + numberList(missing));
    }

    void names(int count, Command command, const std::string& one, const std::string& several)
    {
        if (count < 1) {
            m_parts.push_back("the " + one + " names (so the number of " + several +
                              " is not known)");
            return;
        }
        numbered("the name of " + one, "the names of " + several, count,
                 [&](int n) { return m_seen.saw(command, n); });
    }

    // Each zone's audio as the writer writes it: nothing without an EQ mode; the volume unless
    // locked; the balance and the mode's own settings once the mode is not negative.
    void zoneAudio()
    {
        const int zones = m_model.zoneCount();
        const auto zone = [&](const char* what,
                              const std::function<bool(const ZoneAudio&, int)>& set) {
            numbered(std::string(what) + " of zone", std::string(what) + " of zones", zones,
                     [&](int z) { return set(m_model.zoneAudio(z), z); });
        };
        zone("the audio settings",
             [&](const ZoneAudio&, int z) { return m_seen.saw(Command::EqMode, z); });
        const auto known = [&](const ZoneAudio& a, int z) {
            return a.audioKnown && m_seen.saw(Command::EqMode, z);
        };
        zone("the volume", [&](const ZoneAudio& a, int z) {
            return !known(a, z) || a.volumeLocked || m_seen.saw(Command::Volume, z);
        });
        const auto moded = [&](const ZoneAudio& a, int z) { return known(a, z) && a.eqMode >= 0; };
        zone("the balance", [&](const ZoneAudio& a, int z) {
            return !moded(a, z) || m_seen.saw(Command::BalanceLeft, z) ||
                   m_seen.saw(Command::BalanceRight, z);
        });
        zone("the EQ bands", [&](const ZoneAudio& a, int z) {
            return !moded(a, z) || a.eqMode != kEqModeZq || allBands(Command::ZoneEqBand, z);
        });
        zone("the EQ preset", [&](const ZoneAudio& a, int z) {
            return !moded(a, z) || a.eqMode != kEqModePreset || a.systemEqPreset <= 0 ||
                   m_seen.saw(Command::SystemEqPreset, z);
        });
        zone("the bass and treble", [&](const ZoneAudio& a, int z) {
            return !moded(a, z) || a.eqMode != kEqModeTone || m_seen.saw(Command::Tone, z);
        });
        zone("the lowpass", [&](const ZoneAudio& a, int z) {
            return !moded(a, z) || a.eqMode != kEqModeLowpass || a.lowpass < 0 ||
                   m_seen.saw(Command::Lowpass, z);
        });
    }

    // Whether the text holds a line of `commands`, or one that a whole configuration writes
    // after them: then it went past them, whether they were there or not.
    bool passed(std::initializer_list<Command> commands) const
    {
        const auto after = {Command::FavoriteName, Command::GroupName, Command::Dhcp,
                            Command::IpAddress,    Command::Netmask,   Command::Gateway};
        return std::any_of(commands.begin(), commands.end(),
                           [&](Command c) { return m_seen.sawAny(c); }) ||
               std::any_of(after.begin(), after.end(), [&](Command c) { return m_seen.sawAny(c); });
    }

    const ConfigModel& m_model;
    const ReadCoverage& m_seen;
    std::vector<std::string> m_parts;
};

} // namespace

std::vector<std::string> missingFromWhole(const ConfigModel& model, const ReadCoverage& seen)
{
    return Parts(model, seen).run();
}

std::string joinParts(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "; ") + part;
    return text;
}

} // namespace zel::model
