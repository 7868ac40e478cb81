#include "model/config_check.h"

#include "model/check_counted_settings.h"
#include "model/check_field_values.h"
#include "model/check_line_text.h"
#include "model/check_members.h"
#include "model/command_table.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/number_text.h"

#include <algorithm>
#include <optional>

namespace zel::model {

namespace {

// Reads the text line by line into a scratch model, as the reader would, and notes what each
// line loses, changes or repeats.
class Checker {
public:
    std::vector<CheckFinding> run(std::string_view text)
    {
        const std::vector<std::string_view> lines = splitLines(text);
        for (std::size_t i = 0; i < lines.size(); ++i)
            checkLine(static_cast<int>(i + 1), lines[i]);
        for (CheckFinding& finding : m_counted.findings())
            m_findings.push_back(std::move(finding));
        std::stable_sort(
            m_findings.begin(), m_findings.end(),
            [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
        return std::move(m_findings);
    }

private:
    void report(int line, std::string message) { m_findings.push_back({line, std::move(message)}); }

    void reportAll(int line, std::vector<std::string> messages)
    {
        for (std::string& message : messages)
            report(line, std::move(message));
    }

    void checkLine(int n, std::string_view line)
    {
        if (line.empty())
            return;
        if (line.front() != '[') {
            if (matchCommand(line))
                report(n, "the reader passes over this line, as it does not begin with \"[\": " +
                              shownLine(line));
            return;
        }
        LogLines log; // the scratch model only takes the line's effects
        const LineReport read = readLine(m_scratch, line, log);
        if (read.result == LineResult::NotHandled) {
            if (!isExportMarker(withoutTrailingBlanks(line)))
                report(n, "the reader does not handle this line: " + shownLine(line));
            return;
        }
        if (read.result == LineResult::NumberError || !numbersFit(*read.command, read.fields)) {
            report(n, "a number does not fit 32 bits, the reader cannot read this line: " +
                          shownLine(line));
            return;
        }
        const CommandMatch match{*read.command, read.fields};
        const std::string command = commandLine(match.command, match.fields);
        if (!sameIgnoringCase(command, withoutTrailingBlanks(line)))
            report(n, "only " + shownLine(command) + " is read, the rest of the line is ignored");
        reportAll(n, carriedProblems(match));
        checkCommand(n, match);
    }

    // Field i, a table number: reported when outside the table; the value is nothing then.
    std::optional<int> number(int n, const CommandMatch& match, std::size_t i,
                              const char* outcome = "the reader drops the line")
    {
        const Field& field = commandField(match.command, i);
        const int32_t value = toInt32(match.fields[i]);
        if (value >= field.low && value <= field.high)
            return value;
        report(n, outsideRange(field, match.fields[i]) + ", " + outcome);
        return std::nullopt;
    }

    // A member set by line n to `value`: an earlier line that set it is a duplicate or a
    // conflict.
    void member(int n, const std::string& key, const std::string& value)
    {
        if (std::optional<std::string> said = m_members.set(n, key, value))
            report(n, std::move(*said));
    }

    // The values of the line, then the member they set.
    void setMember(int n, const CommandMatch& match, const std::string& key,
                   const std::string& value)
    {
        reportAll(n, valueProblems(match));
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
                      keptText(match, 2));
        }
    }

    void checkNameLine(int n, const CommandMatch& match)
    {
        // A zone or source name line raises its count for any number, capped at 16, even when
        // the name is dropped; a favorite or group name line out of its table is dropped whole.
        const int32_t number = toInt32(match.fields[0]);
        if (match.command == Command::ZoneName) {
            checkName(n, match, "the name is dropped");
            m_counted.raiseZoneCount(number);
        } else if (match.command == Command::SourceName) {
            checkName(n, match, "the name is dropped");
            m_counted.raiseSourceCount(number);
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
        m_counted.add(n, *z, 0, false);
    }

    void checkUnitSetting(int n, const CommandMatch& match)
    {
        const std::string what(commandField(match.command, 0).name);
        if (commandField(match.command, 0).kind != FieldKind::Text)
            setMember(n, match, what, keptText(match, 0));
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
                  keptText(match, 1));
    }

    void checkZoneAudio(int n, const CommandMatch& match, int z)
    {
        const std::string zone = "zone " + std::to_string(z) + " ";
        switch (match.command) {
        case Command::ZoneEqBand:
            if (const std::optional<int> b = number(n, match, 1))
                setMember(n, match, zone + "band " + std::to_string(*b), keptText(match, 2));
            break;
        case Command::Tone:
            setMember(n, match, zone + "tone", keptText(match, 1) + " " + keptText(match, 2));
            break;
        case Command::BalanceLeft:
        case Command::BalanceRight: {
            // One member, held as a signed balance: left n is -n.
            const int magnitude = keptLevel(match, 1);
            const bool left = match.command == Command::BalanceLeft;
            setMember(n, match, zone + "balance", std::to_string(left ? -magnitude : magnitude));
            break;
        }
        case Command::Lowpass:
            setMember(n, match, zone + "lowpass", match.fields[1]);
            break;
        default: // volume, EQ mode, volume lock, system EQ preset
            setMember(n, match, zone + std::string(commandField(match.command, 1).name),
                      keptText(match, 1));
            break;
        }
        if (match.command == Command::EqMode)
            m_counted.addModeZone(z);
        m_counted.add(n, z, 0, match.command != Command::EqMode);
    }

    void checkFavorite(int n, const CommandMatch& match)
    {
        // All three numbers are checked, and each one outside its table is reported.
        const std::optional<int> fav = number(n, match, 0);
        const std::optional<int> z = number(n, match, 1);
        const std::optional<int> s = number(n, match, 2);
        if (!fav || !z || !s)
            return;
        if (std::optional<std::string> said = m_members.giveSource(n, *fav, *z, *s))
            report(n, std::move(*said));
        m_counted.add(n, *z, *s, false);
    }

    ConfigModel m_scratch;
    std::vector<CheckFinding> m_findings;
    CheckMembers m_members;
    CheckCountedSettings m_counted;
};

} // namespace

std::vector<CheckFinding> checkConfiguration(std::string_view text)
{
    return Checker().run(text);
}

} // namespace zel::model
