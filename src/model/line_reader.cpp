#include "model/command_apply.h"
#include "model/command_table.h"
#include "model/config_reader.h"
#include "model/number_text.h"

namespace zel::model {

bool setsModel(Command command)
{
    return commandDescription(command).subject != Subject::Nothing;
}

LineReport readLine(ConfigModel& model, std::string_view line, LogLines& log)
{
    LineReport report;
    if (std::optional<CommandMatch> match = matchCommand(line)) {
        if (std::optional<std::string> text = logLine(*match))
            log.push_back(std::move(*text));
        try {
            applyCommand(model, *match);
            report.result = LineResult::Handled;
        } catch (const NumberError&) {
            // The line is reported and reading goes on with the next one.
            log.push_back("Error parsing: " + std::string(line));
            report.result = LineResult::NumberError;
        }
        report.command = match->command;
        report.fields = std::move(match->fields);
    }
    if (report.result != LineResult::Handled)
        log.push_back("Didn't Handle: " + std::string(line));
    return report;
}

} // namespace zel::model
