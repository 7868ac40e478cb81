#include "model/config_diff.h"

#include "model/command_language.h"
#include "model/config_model.h"
#include "model/config_writer.h"
#include "model/printable_text.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace zel::model {

namespace {

using Value = std::optional<std::string>; // nothing: the member is not written on that side

// A text between double quotes. Control bytes are shown as \xNN so that one difference stays
// one line and the terminal is not steered by the configuration's bytes.
std::string quoted(std::string_view text)
{
    return "\"" + escapeControlBytes(text) + "\"";
}

std::string onOff(bool on)
{
    return on ? "on" : "off";
}

std::string eqModeText(int mode)
{
    return mode >= 0 && mode < static_cast<int>(kEqModeNames.size())
               ? std::string(kEqModeNames[static_cast<std::size_t>(mode)])
               : std::to_string(mode);
}

// The balance in the form of its line: "L5" for 5 dB left, "R0" for the middle.
std::string balanceText(int balance)
{
    return balance < 0 ? "L" + std::to_string(-balance) : "R" + std::to_string(balance);
}

// "band 6 (1KHz)".
std::string bandLabel(int b)
{
    return "band " + std::to_string(b) + " (" +
           std::string(kBandFrequencies.at(static_cast<std::size_t>(b - 1))) + "Hz)";
}

// A member as the language names the field that sets it: "volume", "EQ mode".
std::string nameOf(Command command, std::size_t field = 1)
{
    return std::string(commandField(command, field).name);
}

// A unit setting, named at the start of its line: "Display level", "IR lockout".
std::string settingName(Command command)
{
    std::string name = nameOf(command, 0);
    name.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
    return name;
}

// A count as the writer uses it: -1 (nothing read) writes the same as 0.
int writtenCount(int count)
{
    return std::max(count, 0);
}

class Differ {
public:
    Differ(const ConfigModel& before, const ConfigModel& after) : m_a(before), m_b(after) {}

    std::vector<Difference> run()
    {
        about(DiffSubject::Counts, 0);
        compare({}, "Zone count", std::to_string(zones(m_a)), std::to_string(zones(m_b)));
        compare({}, "Source count", std::to_string(sources(m_a)), std::to_string(sources(m_b)));
        about(DiffSubject::Unit, 0);
        comparePanel();
        compareNetwork();
        for (int s = 1; s <= kMaxSources; ++s) {
            about(DiffSubject::Source, s);
            compare(Command::SourceName, "Source " + std::to_string(s) + " name",
                    sourceName(m_a, s), sourceName(m_b, s));
        }
        for (int z = 1; z <= kMaxZones; ++z)
            compareZone(z);
        for (int p = 1; p <= kPresets; ++p)
            comparePreset(p);
        for (int f = 1; f <= kFavorites; ++f)
            compareFavorite(f);
        for (int g = 1; g <= kGroups; ++g)
            compareGroup(g);
        return std::move(m_out);
    }

private:
    static int zones(const ConfigModel& m) { return writtenCount(m.zoneCount()); }
    static int sources(const ConfigModel& m) { return writtenCount(m.sourceCount()); }

    // What the members compared next belong to.
    void about(DiffSubject subject, int number)
    {
        m_subject = subject;
        m_number = number;
    }

    // One member, the setting `command` writes (`part`: which of its values), with its value on
    // each side, or nothing on the side that does not write it.
    void compare(std::optional<Command> command, const std::string& label, const Value& a,
                 const Value& b, int part = 0)
    {
        if (a != b)
            m_out.push_back({m_subject, m_number, label, false, a, b, 0, 0, command, part});
    }

    // An entry that is there or not, such as a favorite's connection or a group member.
    void compareEntry(std::optional<Command> command, const std::string& label, bool a, bool b,
                      int zone = 0, int source = 0)
    {
        const auto there = [](bool in) { return in ? Value("yes") : Value(); };
        if (a != b)
            m_out.push_back(
                {m_subject, m_number, label, true, there(a), there(b), zone, source, command, 0});
    }

    void comparePanel()
    {
        compare(Command::Display, settingName(Command::Display),
                std::string(m_a.displayLevelText()), std::string(m_b.displayLevelText()));
        compare(Command::FrontPanel, settingName(Command::FrontPanel),
                onOff(m_a.frontPanelLocked()), onOff(m_b.frontPanelLocked()));
        compare(Command::IrLockout, settingName(Command::IrLockout), onOff(m_a.irLockout()),
                onOff(m_b.irLockout()));
    }

    void compareNetwork()
    {
        const NetworkSettings& a = m_a.network();
        const NetworkSettings& b = m_b.network();
        compare(Command::Dhcp, settingName(Command::Dhcp), onOff(a.dhcp), onOff(b.dhcp));
        // Under DHCP the addresses are not written.
        const auto address = [](const NetworkSettings& n, const std::string& text) -> Value {
            return n.dhcp ? Value() : quoted(text);
        };
        for (const auto& [command, text] :
             {std::pair{Command::IpAddress, &NetworkSettings::ipAddress},
              std::pair{Command::Netmask, &NetworkSettings::netmask},
              std::pair{Command::Gateway, &NetworkSettings::gateway}})
            compare(command, settingName(command), address(a, a.*text), address(b, b.*text));
    }

    static Value sourceName(const ConfigModel& m, int s)
    {
        return s <= sources(m) ? Value(quoted(writtenName(m.sourceName(s)))) : Value();
    }

    void compareZone(int z)
    {
        const std::string zone = "Zone " + std::to_string(z);
        about(DiffSubject::Zone, z);
        const bool inA = z <= zones(m_a);
        const bool inB = z <= zones(m_b);
        const auto name = [&](const ConfigModel& m, bool in) -> Value {
            return in ? Value(quoted(writtenName(m.zoneName(z)))) : Value();
        };
        compare(Command::ZoneName, zone + " name", name(m_a, inA), name(m_b, inB));

        about(DiffSubject::ZoneAudio, z);
        const bool audioA = inA && m_a.zoneAudio(z).audioKnown;
        const bool audioB = inB && m_b.zoneAudio(z).audioKnown;
        if (audioA && audioB)
            compareZoneAudio(zone, m_a.zoneAudio(z), m_b.zoneAudio(z));
        else
            compareEntry({}, zone + " audio settings", audioA, audioB);
    }

    void compareZoneAudio(const std::string& zone, const ZoneAudio& a, const ZoneAudio& b)
    {
        const auto label = [&](Command command, std::size_t field = 1) {
            return zone + " " + nameOf(command, field);
        };
        const auto setting = [&](Command command, const Value& av, const Value& bv,
                                 std::size_t field = 1) {
            compare(command, label(command, field), av, bv,
                    field > 1 ? static_cast<int>(field) : 0);
        };
        setting(Command::VolumeLock, onOff(a.volumeLocked), onOff(b.volumeLocked));
        const auto volume = [](const ZoneAudio& r) -> Value {
            return r.volumeLocked ? Value() : std::to_string(r.volume);
        };
        setting(Command::Volume, volume(a), volume(b));

        // A negative EQ mode ends the zone's lines.
        const auto ifMode = [](const ZoneAudio& r, bool written, auto text) -> Value {
            return r.eqMode >= 0 && written ? Value(text()) : Value();
        };
        setting(Command::EqMode, ifMode(a, true, [&] { return eqModeText(a.eqMode); }),
                ifMode(b, true, [&] { return eqModeText(b.eqMode); }));
        // Left or right, one setting: the right balance's line stands for both.
        compare(Command::BalanceRight, zone + " balance",
                ifMode(a, true, [&] { return balanceText(a.balance); }),
                ifMode(b, true, [&] { return balanceText(b.balance); }));
        for (int band = 1; band <= kBands; ++band)
            compare(Command::ZoneEqBand, zone + " EQ " + bandLabel(band),
                    ifMode(a, a.eqMode == kEqModeZq, [&] { return std::to_string(a.band(band)); }),
                    ifMode(b, b.eqMode == kEqModeZq, [&] { return std::to_string(b.band(band)); }),
                    band);
        const auto preset = [&](const ZoneAudio& r) {
            return ifMode(r, r.eqMode == kEqModePreset && r.systemEqPreset > 0,
                          [&] { return std::to_string(r.systemEqPreset); });
        };
        setting(Command::SystemEqPreset, preset(a), preset(b));
        // Bass and treble are held with their sign reversed; show the level as set.
        const auto tone = [&](const ZoneAudio& r, int8_t held) {
            return ifMode(r, r.eqMode == kEqModeTone, [&] { return std::to_string(-held); });
        };
        setting(Command::Tone, tone(a, a.bass), tone(b, b.bass));
        setting(Command::Tone, tone(a, a.treble), tone(b, b.treble), 2);
        const auto lowpass = [&](const ZoneAudio& r) {
            return ifMode(r, r.eqMode == kEqModeLowpass && r.lowpass >= 0,
                          [&] { return std::to_string(r.lowpass); });
        };
        setting(Command::Lowpass, lowpass(a), lowpass(b));
    }

    void comparePreset(int p)
    {
        const std::string preset = "Preset " + std::to_string(p);
        about(DiffSubject::Preset, p);
        const DevicePreset& a = m_a.preset(p);
        const DevicePreset& b = m_b.preset(p);
        compare(Command::PresetName, preset + " name", quoted(a.name),
                quoted(b.name)); // written whole
        for (int band = 1; band <= kBands; ++band)
            compare(Command::PresetBand, preset + " " + bandLabel(band),
                    std::to_string(a.band(band)), std::to_string(b.band(band)), band);
    }

    // A favorite or group name, as the writer writes it.
    void compareName(DiffSubject subject, Command command, int n, const std::string& label,
                     const std::string& (ConfigModel::*name)(int) const)
    {
        about(subject, n);
        compare(command, label + " name", quoted(writtenName((m_a.*name)(n))),
                quoted(writtenName((m_b.*name)(n))));
    }

    void compareFavorite(int f)
    {
        const std::string favorite = "Favorite " + std::to_string(f);
        compareName(DiffSubject::FavoriteName, Command::FavoriteName, f, favorite,
                    &ConfigModel::favoriteName);
        about(DiffSubject::Favorite, f);
        for (int z = 1; z <= kMaxZones; ++z)
            for (int s = 1; s <= kMaxSources; ++s)
                compareEntry(Command::FavoriteConnection,
                             favorite + ": zone " + std::to_string(z) + " plays source " +
                                 std::to_string(s),
                             plays(m_a, f, z, s), plays(m_b, f, z, s), z, s);
    }

    static bool plays(const ConfigModel& m, int f, int z, int s)
    {
        return z <= zones(m) && s <= sources(m) && m.connection(f, s, z) == kAudioCode;
    }

    void compareGroup(int g)
    {
        const std::string group = "Group " + std::to_string(g);
        compareName(DiffSubject::GroupName, Command::GroupName, g, group, &ConfigModel::groupName);
        about(DiffSubject::Group, g);
        const auto member = [g](const ConfigModel& m, int z) {
            return z <= zones(m) && m.groupMark(g, z) == kGroupMark;
        };
        for (int z = 1; z <= kMaxZones; ++z)
            compareEntry(Command::GroupMember, group + ": zone " + std::to_string(z),
                         member(m_a, z), member(m_b, z), z);
    }

    const ConfigModel& m_a;
    const ConfigModel& m_b;
    DiffSubject m_subject = DiffSubject::Unit;
    int m_number = 0;
    std::vector<Difference> m_out;
};

} // namespace

std::vector<Difference> compareConfigurations(const ConfigModel& before, const ConfigModel& after)
{
    return Differ(before, after).run();
}

std::string describe(const Difference& d)
{
    if (d.entry)
        return d.member + (d.after ? " (added)" : " (removed)");
    if (!d.before)
        return d.member + ": " + *d.after + " (added)";
    if (!d.after)
        return d.member + ": " + *d.before + " (removed)";
    return d.member + ": " + *d.before + " -> " + *d.after;
}

std::vector<std::string> diffConfigurations(const ConfigModel& before, const ConfigModel& after)
{
    std::vector<std::string> lines;
    for (const Difference& difference : compareConfigurations(before, after))
        lines.push_back(describe(difference));
    return lines;
}

} // namespace zel::model
