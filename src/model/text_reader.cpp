#include "model/config_reader.h"
#include "model/stored_value.h"

namespace zel::model {

bool holdsMoreThanOneCommand(std::string_view line)
{
    // A "[" after a "]", outside the quotes of a name: a second command, as when a unit's line
    // ends were lost and its lines ran together.
    bool inQuotes = false;
    bool closed = false;
    for (const char c : line) {
        if (c == '"')
            inQuotes = !inQuotes;
        else if (c == ']' && !inQuotes)
            closed = true;
        else if (c == '[' && !inQuotes && closed)
            return true;
    }
    return false;
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

ReadSummary readText(ConfigModel& model, std::string_view text, LogLines& log)
{
    // Only lines that begin with "[" carry a command: blank lines, indented lines, status and
    // remark lines are passed over without a log line.
    ReadSummary summary;
    for (std::string_view line : splitLines(text)) {
        if (line.empty() || line.front() != '[')
            continue;
        const LineReport report = readLine(model, line, log);
        // Only one command of such a line is read; the log says that the line held more.
        if (holdsMoreThanOneCommand(line))
            log.push_back("More than one command on one line: " + std::string(line));
        ++summary.linesRead;
        if (report.result == LineResult::Handled) {
            summary.commandsHandled.set(static_cast<std::size_t>(*report.command));
            summary.coverage.add({*report.command, report.fields});
        }
        if (report.result == LineResult::Handled &&
            storesValue(CommandMatch{*report.command, report.fields}))
            ++summary.settingLines;
    }
    return summary;
}

} // namespace zel::model
