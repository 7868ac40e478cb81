#include "model/command_apply.h"
#include "model/command_table.h"
#include "model/config_reader.h"
#include "model/number_text.h"

namespace zel::model {

void readLine(ConfigModel& model, std::string_view line, LogLines& log)
{
    bool handled = false;
    if (const std::optional<CommandMatch> match = matchCommand(line)) {
        if (std::optional<std::string> text = logLine(*match))
            log.push_back(std::move(*text));
        try {
            applyCommand(model, *match);
            handled = true;
        } catch (const NumberError&) {
            // The line is reported and reading goes on with the next one.
            log.push_back("Error parsing: " + std::string(line));
        }
    }
    if (!handled)
        log.push_back("Didn't Handle: " + std::string(line));
}

} // namespace zel::model
