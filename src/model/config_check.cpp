#include "model/config_check.h"

#include "model/carried_text.h"
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

// Lines an export writes that the reader does not handle; they are expected in a saved file.
bool isExportMarker(std::string_view line)
{
    return sameIgnoringCase(line, kGroupsMarker) || sameIgnoringCase(line, kFavoritesMarker) ||
           sameIgnoringCase(line, kEndMarker);
}

bool isTableNumber(FieldKind kind)
{
    return kind >= FieldKind::Zone && kind <= FieldKind::Band;
}

bool isLevel(FieldKind kind)
{
    return kind >= FieldKind::Level && kind <= FieldKind::WholeNumber;
}

// Whether every number of a line that stores something fits 32 bits. The reader converts a
// number only where a step uses it: a name line with an empty name never converts its number.
bool numbersFit(Command command, const CommandFields& fields)
{
    if (!setsModel(command))
        return true;
    for (std::size_t i = 0; i < kMaxFields; ++i) {
        const FieldKind kind = commandField(command, i).kind;
        if ((isTableNumber(kind) || isLevel(kind)) && !parseInt32(fields[i]))
            return false;
    }
    return true;
}

// The value the model keeps of a number field, as set: bass, treble and left balance with their
// sign as written.
int keptValue(const Field& field, int32_t value)
{
    switch (field.kind) {
    case FieldKind::ReversedLevel:
        return -lowByte(-static_cast<int64_t>(value));
    case FieldKind::ClampedLevel:
        return std::clamp<int>(lowByte(value), field.low, field.high);
    case FieldKind::WholeNumber:
        return value;
    default:
        return lowByte(value);
    }
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
    void report(int line, std::string message) { m_findings.push_back({line, std::move(message)}); }

    void checkLine(int n, std::string_view line)
    {
        if (line.empty())
            return;
        if (line.front() != '[') {
            if (matchCommand(line))
                report(n, "the reader passes over this line, as it does not begin with \"[\": " +
                              shown(line));
            return;
        }
        LogLines log; // the scratch model only takes the line's effects
        const LineReport read = readLine(m_scratch, line, log);
        if (read.result == LineResult::NotHandled) {
            if (!isExportMarker(withoutTrailingBlanks(line)))
                report(n, "the reader does not handle this line: " + shown(line));
            return;
        }
        if (read.result == LineResult::NumberError || !numbersFit(*read.command, read.fields)) {
            report(n, "a number does not fit 32 bits, the reader cannot read this line: " +
                          shown(line));
            return;
        }
        const CommandMatch match{*read.command, read.fields};
        const std::string command = commandLine(match.command, match.fields);
        if (!sameIgnoringCase(command, withoutTrailingBlanks(line)))
            report(n, "only " + shown(command) + " is read, the rest of the line is ignored");
        checkCarried(n, match);
        checkCommand(n, match);
    }

    // Names and addresses that an export would write as read but the language cannot carry.
    void checkCarried(int n, const CommandMatch& match)
    {
        if (!setsModel(match.command))
            return;
        for (std::size_t i = 0; i < kMaxFields; ++i) {
            const FieldKind kind = commandField(match.command, i).kind;
            if (kind != FieldKind::Name && kind != FieldKind::WholeName && kind != FieldKind::Text)
                continue;
            const std::string text = kept(match, i);
            if (std::string reason = uncarriedReason(text); !reason.empty())
                report(n, describeUncarried({std::string(commandField(match.command, i).name), text,
                                             std::move(reason)}));
        }
    }

    static std::string outside(const Field& field, const std::string& text)
    {
        return std::string(field.name) + " " + text + " is outside " + std::to_string(field.low) +
               ".." + std::to_string(field.high);
    }

    // Field i, a table number: reported when outside the table; the value is nothing then.
    std::optional<int> number(int n, const CommandMatch& match, std::size_t i,
                              const char* outcome = "the reader drops the line")
    {
        const Field& field = commandField(match.command, i);
        const int32_t value = toInt32(match.fields[i]);
        if (value >= field.low && value <= field.high)
            return value;
        report(n, outside(field, match.fields[i]) + ", " + outcome);
        return std::nullopt;
    }

    // What the model keeps of field i, a level, as set.
    static int level(const CommandMatch& match, std::size_t i)
    {
        return keptValue(commandField(match.command, i), toInt32(match.fields[i]));
    }

    // What the model keeps of field i, as a member value.
    static std::string kept(const CommandMatch& match, std::size_t i)
    {
        const std::string& text = match.fields[i];
        switch (commandField(match.command, i).kind) {
        case FieldKind::Flag:
            return text == "1" ? "1" : "0";
        case FieldKind::Name:
            return text.substr(0, kNameLength);
        case FieldKind::WholeName:
        case FieldKind::Text:
            return text;
        default:
            return std::to_string(level(match, i));
        }
    }

    // The values of a line whose numbers lie in their tables: levels against the ranges of the
    // editing pages, switches other than 0 and 1, names that are cut.
    void checkValues(int n, const CommandMatch& match)
    {
        for (std::size_t i = 0; i < kMaxFields; ++i) {
            const Field& field = commandField(match.command, i);
            const std::string& text = match.fields[i];
            if (field.kind == FieldKind::Flag && text != "0" && text != "1")
                report(n, std::string(field.name) + " \"" + text +
                              "\" reads as off, only \"1\" means on");
            if (field.kind == FieldKind::Name &&
                text.size() > static_cast<std::size_t>(kNameLength))
                report(n, std::string(field.name) +
                              " is cut to 16 characters: " + quoted(text.substr(0, kNameLength)));
            if (!isLevel(field.kind))
                continue;
            const int32_t value = toInt32(text);
            if (value >= field.low && value <= field.high)
                continue;
            std::string message = outside(field, text);
            if (level(match, i) != value)
                message += " (it is kept as " + std::to_string(level(match, i)) + ")";
            report(n, message);
        }
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

    // The values of the line, then the member they set.
    void setMember(int n, const CommandMatch& match, const std::string& key,
                   const std::string& value)
    {
        checkValues(n, match);
        member(n, key, value);
    }

    void checkCommand(int n, const CommandMatch& match)
    {
        switch (commandDescription(match.command).subject) {
        case Subject::ZoneAudio:
            if (const std::optional<int> z = number(n, match, 0))
                checkZoneAudio(n, match, *z);
            break;
        case Subject::Preset:
            checkPreset(n, match);
            break;
        case Subject::Name:
            checkNameLine(n, match);
            break;
        case Subject::Membership:
            if (match.command == Command::GroupMember)
                checkGroupMember(n, match);
            else
                checkFavorite(n, match);
            break;
        case Subject::UnitSetting:
            checkUnitSetting(n, match);
            break;
        case Subject::Nothing:
            break; // nothing is stored
        }
    }

    void checkPreset(int n, const CommandMatch& match)
    {
        const std::optional<int> p = number(n, match, 0);
        if (!p)
            return;
        if (match.command == Command::PresetName) {
            if (!match.fields[1].empty())
                member(n, "preset " + match.fields[0] + " name", match.fields[1]);
        } else if (const std::optional<int> b = number(n, match, 1)) {
            setMember(n, match, "preset " + std::to_string(*p) + " band " + std::to_string(*b),
                      kept(match, 2));
        }
    }

    void checkNameLine(int n, const CommandMatch& match)
    {
        // A zone or source name line raises its count for any number, capped at 16, even when
        // the name is dropped; a favorite or group name line out of its table is dropped whole.
        const int32_t number = toInt32(match.fields[0]);
        if (match.command == Command::ZoneName) {
            checkName(n, match, "the name is dropped");
            m_zoneCount = std::max(m_zoneCount, std::min<int32_t>(number, kMaxZones));
        } else if (match.command == Command::SourceName) {
            checkName(n, match, "the name is dropped");
            m_sourceCount = std::max(m_sourceCount, std::min<int32_t>(number, kMaxSources));
        } else {
            checkName(n, match, "the reader drops the line");
        }
    }

    void checkGroupMember(int n, const CommandMatch& match)
    {
        const std::optional<int> g = number(n, match, 0);
        const std::optional<int> z = g ? number(n, match, 1) : std::nullopt;
        if (!z)
            return;
        member(n, "group " + std::to_string(*g) + " zone " + std::to_string(*z), "G");
        m_counted.push_back({n, *z, 0, false});
    }

    void checkUnitSetting(int n, const CommandMatch& match)
    {
        const std::string what(commandField(match.command, 0).name);
        if (commandField(match.command, 0).kind != FieldKind::Text)
            setMember(n, match, what, kept(match, 0));
        else if (!match.fields[0].empty()) // an empty address leaves the address as it was
            member(n, what, match.fields[0]);
    }

    void checkName(int n, const CommandMatch& match, const char* outcome)
    {
        const std::optional<int> number = this->number(n, match, 0, outcome);
        if (!number || match.fields[1].empty())
            return; // an empty name leaves the name as it was
        setMember(n, match,
                  std::string(commandField(match.command, 0).name) + " " + std::to_string(*number) +
                      " name",
                  kept(match, 1));
    }

    void checkZoneAudio(int n, const CommandMatch& match, int z)
    {
        const std::string zone = "zone " + std::to_string(z) + " ";
        switch (match.command) {
        case Command::ZoneEqBand:
            if (const std::optional<int> b = number(n, match, 1))
                setMember(n, match, zone + "band " + std::to_string(*b), kept(match, 2));
            break;
        case Command::Tone:
            setMember(n, match, zone + "tone", kept(match, 1) + " " + kept(match, 2));
            break;
        case Command::BalanceLeft:
        case Command::BalanceRight: {
            // One member, held as a signed balance: left n is -n.
            const int magnitude = level(match, 1);
            const bool left = match.command == Command::BalanceLeft;
            setMember(n, match, zone + "balance", std::to_string(left ? -magnitude : magnitude));
            break;
        }
        case Command::Lowpass:
            setMember(n, match, zone + "lowpass", match.fields[1]);
            break;
        default: // volume, EQ mode, volume lock, system EQ preset
            setMember(n, match, zone + std::string(commandField(match.command, 1).name),
                      kept(match, 1));
            break;
        }
        if (match.command == Command::EqMode)
            m_modeZones.insert(z);
        m_counted.push_back({n, z, 0, match.command != Command::EqMode});
    }

    void checkFavorite(int n, const CommandMatch& match)
    {
        // All three numbers are checked, and each one outside its table is reported.
        const std::optional<int> fav = number(n, match, 0);
        const std::optional<int> z = number(n, match, 1);
        const std::optional<int> s = number(n, match, 2);
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
