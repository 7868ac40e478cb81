#pragma once
// Applies configuration text to a ConfigModel. The line reader logs what each line did and says
// so in its report; the text reader feeds it every line of a whole text that begins with "[".

#include "model/command_table.h"
#include "model/read_coverage.h"

#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel::model {

class ConfigModel;

using LogLines = std::vector<std::string>;

// What the line reader made of one line.
enum class LineResult {
    Handled,     // a command matched and was applied
    NumberError, // a command matched but a number did not fit 32 bits ("Error parsing: ")
    NotHandled,  // no command matched ("Didn't Handle: ")
};

struct LineReport {
    LineResult result = LineResult::NotHandled;
    std::optional<Command> command; // the command that matched, for Handled and NumberError
    CommandFields fields;           // what it captured, as split for the model
};

// Whether a handled line of this command stores anything in the model: the dump request, the
// restriction and the zone-source lines are accepted and dropped.
bool setsModel(Command command);

// Applies one config line to the model and appends zero to three log lines.
LineReport readLine(ConfigModel& model, std::string_view line, LogLines& log);

// What reading a whole text did.
struct ReadSummary {
    int linesRead = 0;    // lines given to the line reader
    int settingLines = 0; // handled lines that stored a value (storesValue())
    // The commands of the handled lines: a page can tell which settings the text carried.
    std::bitset<kCommandCount> commandsHandled;
    // The settings the handled lines set, number by number.
    ReadCoverage coverage;

    bool handled(Command command) const
    {
        return commandsHandled.test(static_cast<std::size_t>(command));
    }
};

// Splits a text on CR, LF or CR LF and gives the line reader every line that is not empty and
// begins with "[". Nothing else of the text is read; a line that holds more than one command is
// logged as such ("More than one command on one line: ").
ReadSummary readText(ConfigModel& model, std::string_view text, LogLines& log);

// Whether a line holds a command after its first one; the text reader logs such a line.
bool holdsMoreThanOneCommand(std::string_view line);

// Splits a text into lines on CR, LF or CR LF (a CR LF pair ends one line).
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace zel::model
