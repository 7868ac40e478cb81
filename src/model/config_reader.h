#pragma once
// Applies configuration text to a ConfigModel. The line reader logs what each line did; the text
// reader feeds it every line of a whole text that begins with "[".

#include <string>
#include <string_view>
#include <vector>

namespace zel::model {

class ConfigModel;

using LogLines = std::vector<std::string>;

// Applies one config line to the model and appends zero to three log lines.
void readLine(ConfigModel& model, std::string_view line, LogLines& log);

// Splits a text on CR, LF or CR LF and gives the line reader every line that is not empty and
// begins with "[". Nothing else of the text is read.
void readText(ConfigModel& model, std::string_view text, LogLines& log);

// Splits a text into lines on CR, LF or CR LF (a CR LF pair ends one line).
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace zel::model
