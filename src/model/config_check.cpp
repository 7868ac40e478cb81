#include "model/config_check.h"

#include "model/command_table.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/number_text.h"
#include "model/printable_text.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>

namespace zel::model {

namespace {

constexpr std::size_t kShownLength = 60; // longer lines are shown cut, with "..."

// A line as a message shows it: control bytes as \xNN, cut to kShownLength characters.
std::string shown(std::string_view line)
{
    const std::string out = escapeControlBytes(line.substr(0, kShownLength));
    return line.size() > kShownLength ? out + "..." : out;
}

std::string quoted(std::string_view text)
{
    return "\"" + shown(text) + "\"";
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

// The command as its line would hold it alone, built from the fields the reader took.
std::string commandText(const CommandMatch& match)
{
    const CommandFields& f = match.fields;
    const auto name = [&](const char* mnemonic) { return mnemonic + f[0] + "\"" + f[1] + "\"]"; };
    switch (match.command) {
    case Command::Volume:
        return "[VO" + f[0] + "R" + f[1] + "]";
    case Command::ZoneEqBand:
        return "[EO" + f[0] + "B" + f[1] + "L" + f[2] + "]";
    case Command::Tone:
        return "[TO" + f[0] + "B" + f[1] + "T" + f[2] + "]";
    case Command::BalanceLeft:
        return "[BO" + f[0] + "L" + f[1] + "]";
    case Command::BalanceRight:
        return "[BO" + f[0] + "R" + f[1] + "]";
    case Command::EqMode:
        return "[EO" + f[0] + "M" + f[1] + "]";
    case Command::Lowpass:
        return "[EO" + f[0] + "LP" + f[1] + "]";
    case Command::VolumeLock:
        return "[VO" + f[0] + "F" + f[1] + "]";
    case Command::SystemEqPreset:
        return "[EO" + f[0] + "P" + f[1] + "]";
    case Command::PresetName:
        return name("[NEP");
    case Command::PresetBand:
        return "[EP" + f[0] + "B" + f[1] + "L" + f[2] + "]";
    case Command::FavoriteName:
        return name("[NF");
    case Command::GroupName:
        return name("[NG");
    case Command::ZoneName:
        return name("[NO");
    case Command::SourceName:
        return name("[NI");
    case Command::Restrict:
        return "[RPO" + f[0] + "I" + f[1] + "]";
    case Command::GroupMember:
        return "[G" + f[0] + "AO" + f[1] + "]";
    case Command::FavoriteConnection:
        return "[F" + f[0] + "AO" + f[1] + "I" + f[2] + "]";
    case Command::FrontPanel:
        return "[FPL" + f[0] + "]";
    case Command::IrLockout:
        return "[IRL" + f[0] + "]";
    case Command::Display:
        return "[SD" + f[0] + "]";
    case Command::Dhcp:
        return "[DHCP" + f[0] + "]";
    case Command::IpAddress:
        return "[IP" + f[0] + "]";
    case Command::Netmask:
        return "[NM" + f[0] + "]";
    case Command::Gateway:
        return "[GW" + f[0] + "]";
    case Command::Request:
        return "[QXSB]";
    case Command::ZoneSource:
        return "[CO" + f[0] + "]";
    }
    return {};
}

// Lines an export writes that the reader does not handle; they are expected in a saved file.
bool isExportMarker(std::string_view line)
{
    return sameIgnoringCase(line, "[GAR]") || sameIgnoringCase(line, "[FAR]") ||
           sameIgnoringCase(line, "[EC]");
}

std::string_view withoutTrailingBlanks(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

// A setting that an export writes only when its zone (and source) lie within the counts.
struct CountedSetting {
    int line;
    int zone;
    int source;     // 0 when the setting names no source
    bool zoneAudio; // written only when the zone has an EQ-mode line
};

class Checker {
public:
    std::vector<CheckFinding> run(std::string_view text)
    {
        const std::vector<std::string_view> lines = splitLines(text);
        for (std::size_t i = 0; i < lines.size(); ++i)
            checkLine(static_cast<int>(i + 1), lines[i]);
        checkCountedSettings();
        std::stable_sort(
            m_findings.begin(), m_findings.end(),
            [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
        return std::move(m_findings);
    }

private:
    // Whether the reader gets through `line` without "Error parsing". The scratch model only
    // takes the line's effects.
    bool readerCanRead(std::string_view line)
    {
        LogLines log;
        readLine(m_scratch, line, log);
        return std::none_of(log.begin(), log.end(), [](const std::string& l) {
            return l.rfind("Error parsing: ", 0) == 0;
        });
    }

    void report(int line, std::string message) { m_findings.push_back({line, std::move(message)}); }

    void checkLine(int n, std::string_view line)
    {
        if (line.empty())
            return;
        const std::optional<CommandMatch> match = matchCommand(line);
        if (line.front() != '[') {
            if (match)
                report(n, "the reader passes over this line, as it does not begin with \"[\": " +
                              shown(line));
            return;
        }
        if (!match) {
            if (!isExportMarker(withoutTrailingBlanks(line)))
                report(n, "the reader does not handle this line: " + shown(line));
            return;
        }
        if (!readerCanRead(line)) {
            report(n, "a number does not fit 32 bits, the reader cannot read this line: " +
                          shown(line));
            return;
        }
        const std::string command = commandText(*match);
        if (!sameIgnoringCase(command, withoutTrailingBlanks(line)))
            report(n, "only " + shown(command) + " is read, the rest of the line is ignored");
        checkCommand(n, *match);
    }

    // A table number: reported when outside 1..size; the value is nothing then.
    std::optional<int> number(int n, const std::string& field, const char* what, int size,
                              const char* outcome = "the reader drops the line")
    {
        const int32_t value = toInt32(field);
        if (value >= 1 && value <= size)
            return value;
        report(n, std::string(what) + " " + field + " is outside 1.." + std::to_string(size) +
                      ", " + outcome);
        return std::nullopt;
    }

    // A level against the range of its page; `kept` is what the model holds of it.
    void range(int n, const std::string& what, const std::string& field, int low, int high,
               int kept)
    {
        const int32_t value = toInt32(field);
        if (value >= low && value <= high)
            return;
        std::string message =
            what + " " + field + " is outside " + std::to_string(low) + ".." + std::to_string(high);
        if (kept != value)
            message += " (it is kept as " + std::to_string(kept) + ")";
        report(n, message);
    }

    void flag(int n, const std::string& what, const std::string& field)
    {
        if (field != "0" && field != "1")
            report(n, what + " \"" + field + "\" reads as off, only \"1\" means on");
    }

    void name(int n, const std::string& what, const std::string& text)
    {
        if (text.size() > static_cast<std::size_t>(kNameLength))
            report(n, what + " is cut to 16 characters: " + quoted(text.substr(0, kNameLength)));
    }

    // A member set by line n to `value`: an earlier line that set it is a duplicate or a
    // conflict.
    void member(int n, const std::string& key, const std::string& value)
    {
        const auto [it, first] = m_members.try_emplace(key, Seen{n, value});
        if (first)
            return;
        if (it->second.value == value)
            report(n, "repeats line " + std::to_string(it->second.line));
        else
            report(n, "conflicts with line " + std::to_string(it->second.line) +
                          ", the later line wins");
        it->second = Seen{n, value};
    }

    void checkCommand(int n, const CommandMatch& match)
    {
        const CommandFields& f = match.fields;
        switch (match.command) {
        case Command::Volume:
        case Command::ZoneEqBand:
        case Command::Tone:
        case Command::BalanceLeft:
        case Command::BalanceRight:
        case Command::EqMode:
        case Command::Lowpass:
        case Command::VolumeLock:
        case Command::SystemEqPreset:
            if (const std::optional<int> z = number(n, f[0], "zone", kMaxZones))
                checkZoneAudio(n, match.command, *z, f);
            break;
        case Command::PresetName:
            if (const std::optional<int> p = number(n, f[0], "preset", kPresets);
                p && !f[1].empty())
                member(n, "preset " + f[0] + " name", f[1]);
            break;
        case Command::PresetBand:
            if (const std::optional<int> p = number(n, f[0], "preset", kPresets)) {
                if (const std::optional<int> b = number(n, f[1], "band", kBands)) {
                    const int8_t level = lowByte(toInt32(f[2]));
                    range(n, "band level", f[2], -10, 10, level);
                    member(n, "preset " + std::to_string(*p) + " band " + std::to_string(*b),
                           std::to_string(level));
                }
            }
            break;
        case Command::FavoriteName:
            checkName(n, f, "favorite", kFavorites, "the reader drops the line");
            break;
        case Command::GroupName:
            checkName(n, f, "group", kGroups, "the reader drops the line");
            break;
        case Command::ZoneName:
            // The count rises for any number, capped at 16, even when the name is dropped.
            checkName(n, f, "zone", kMaxZones, "the name is dropped");
            m_zoneCount = std::max(m_zoneCount, std::min<int32_t>(toInt32(f[0]), kMaxZones));
            break;
        case Command::SourceName:
            checkName(n, f, "source", kMaxSources, "the name is dropped");
            m_sourceCount = std::max(m_sourceCount, std::min<int32_t>(toInt32(f[0]), kMaxSources));
            break;
        case Command::GroupMember:
            if (const std::optional<int> g = number(n, f[0], "group", kGroups)) {
                if (const std::optional<int> z = number(n, f[1], "zone", kMaxZones)) {
                    member(n, "group " + std::to_string(*g) + " zone " + std::to_string(*z), "G");
                    m_counted.push_back({n, *z, 0, false});
                }
            }
            break;
        case Command::FavoriteConnection:
            checkFavorite(n, f);
            break;
        case Command::FrontPanel:
            flag(n, "front-panel lock", f[0]);
            member(n, "front-panel lock", f[0] == "1" ? "1" : "0");
            break;
        case Command::IrLockout:
            flag(n, "IR lockout", f[0]);
            member(n, "IR lockout", f[0] == "1" ? "1" : "0");
            break;
        case Command::Dhcp:
            flag(n, "DHCP", f[0]);
            member(n, "DHCP", f[0] == "1" ? "1" : "0");
            break;
        case Command::Display: {
            const int level = std::clamp<int>(lowByte(toInt32(f[0])), 0, 3);
            range(n, "display level", f[0], 0, 3, level);
            member(n, "display level", std::to_string(level));
            break;
        }
        case Command::IpAddress:
        case Command::Netmask:
        case Command::Gateway:
            if (!f[0].empty()) // an empty text leaves the address as it was
                member(n, "address " + std::to_string(static_cast<int>(match.command)), f[0]);
            break;
        case Command::Restrict:
        case Command::Request:
        case Command::ZoneSource:
            break; // nothing is stored
        }
    }

    void checkName(int n, const CommandFields& f, const char* what, int size, const char* outcome)
    {
        if (!number(n, f[0], what, size, outcome) || f[1].empty())
            return; // an empty name leaves the name as it was
        name(n, std::string(what) + " name", f[1]);
        member(n, std::string(what) + " " + std::to_string(toInt32(f[0])) + " name",
               f[1].substr(0, kNameLength));
    }

    void checkZoneAudio(int n, Command command, int z, const CommandFields& f)
    {
        const std::string zone = "zone " + std::to_string(z);
        const auto level = [&](const std::string& field) { return lowByte(toInt32(field)); };
        switch (command) {
        case Command::Volume:
            range(n, "volume", f[1], -80, 0, level(f[1]));
            member(n, zone + " volume", std::to_string(level(f[1])));
            break;
        case Command::ZoneEqBand:
            if (const std::optional<int> b = number(n, f[1], "band", kBands)) {
                range(n, "band level", f[2], -10, 10, level(f[2]));
                member(n, zone + " band " + std::to_string(*b), std::to_string(level(f[2])));
            }
            break;
        case Command::Tone: {
            // Held with the sign reversed; the range and the message are the levels as set.
            const int bass = -lowByte(-static_cast<int64_t>(toInt32(f[1])));
            const int treble = -lowByte(-static_cast<int64_t>(toInt32(f[2])));
            range(n, "bass", f[1], -12, 12, bass);
            range(n, "treble", f[2], -12, 12, treble);
            member(n, zone + " tone", std::to_string(bass) + " " + std::to_string(treble));
            break;
        }
        case Command::BalanceLeft:
        case Command::BalanceRight: {
            const bool left = command == Command::BalanceLeft;
            const int magnitude =
                left ? -lowByte(-static_cast<int64_t>(toInt32(f[1]))) : level(f[1]);
            range(n, left ? "left balance" : "right balance", f[1], 0, 80, magnitude);
            member(n, zone + " balance", std::to_string(left ? -magnitude : magnitude));
            break;
        }
        case Command::EqMode:
            range(n, "EQ mode", f[1], 0, 4, level(f[1]));
            member(n, zone + " EQ mode", std::to_string(level(f[1])));
            m_modeZones.insert(z);
            break;
        case Command::Lowpass:
            range(n, "lowpass", f[1], 40, 240, toInt32(f[1]));
            member(n, zone + " lowpass", f[1]);
            break;
        case Command::VolumeLock:
            flag(n, "volume lock", f[1]);
            member(n, zone + " volume lock", f[1] == "1" ? "1" : "0");
            break;
        case Command::SystemEqPreset:
            range(n, "system EQ preset", f[1], 0, kPresets, level(f[1]));
            member(n, zone + " system EQ preset", std::to_string(level(f[1])));
            break;
        default:
            break;
        }
        m_counted.push_back({n, z, 0, command != Command::EqMode});
    }

    void checkFavorite(int n, const CommandFields& f)
    {
        const std::optional<int> fav = number(n, f[0], "favorite", kFavorites);
        const std::optional<int> z = number(n, f[1], "zone", kMaxZones);
        const std::optional<int> s = number(n, f[2], "source", kMaxSources);
        if (!fav || !z || !s)
            return;
        const std::string key = "favorite " + std::to_string(*fav) + " zone " + std::to_string(*z);
        const auto [it, first] = m_favoriteSources.try_emplace(key, Seen{n, std::to_string(*s)});
        if (!first) {
            if (it->second.value == std::to_string(*s))
                report(n, "repeats line " + std::to_string(it->second.line));
            else
                report(n, "favorite " + std::to_string(*fav) + " already gives zone " +
                              std::to_string(*z) + " source " + it->second.value + " on line " +
                              std::to_string(it->second.line));
        }
        m_counted.push_back({n, *z, *s, false});
    }

    static std::string countText(int count) { return count < 1 ? "none" : std::to_string(count); }

    void checkCountedSettings()
    {
        for (const CountedSetting& c : m_counted) {
            if (c.zone > m_zoneCount)
                report(c.line, "zone " + std::to_string(c.zone) + " lies beyond the zone count (" +
                                   countText(m_zoneCount) + "), an export leaves this out");
            else if (c.source > 0 && c.source > m_sourceCount)
                report(c.line, "source " + std::to_string(c.source) +
                                   " lies beyond the source count (" + countText(m_sourceCount) +
                                   "), an export leaves this out");
            else if (c.zoneAudio && m_modeZones.count(c.zone) == 0)
                report(c.line, "zone " + std::to_string(c.zone) +
                                   " has no EQ-mode line, an export leaves its audio settings out");
        }
    }

    struct Seen {
        int line;
        std::string value;
    };

    ConfigModel m_scratch;
    std::vector<CheckFinding> m_findings;
    std::map<std::string, Seen> m_members;
    std::map<std::string, Seen> m_favoriteSources; // the first source of each favorite and zone
    std::vector<CountedSetting> m_counted;
    std::set<int> m_modeZones; // zones with an EQ-mode line
    int m_zoneCount = -1;
    int m_sourceCount = -1;
};

} // namespace

std::vector<CheckFinding> checkConfiguration(std::string_view text)
{
    return Checker().run(text);
}

} // namespace zel::model
