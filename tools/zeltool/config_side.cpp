#include "config_side.h"

#include "config_input.h"
#include "link_target.h"
#include "tool_command.h"

namespace zel::tool {

bool readSide(const std::string& side, const TransferOptions& options, model::ConfigModel& model,
              journal::Cause cause)
{
    const std::optional<LinkTarget> target = parseSide(side);
    if (!target)
        return readConfiguration(side, model).has_value();
    const ImportResult result = importConfiguration(*target, options, cause);
    if (result.outcome != link::TransferOutcome::Completed) {
        fail(kExitUsage,
             "cannot read " + describe(*target) + ": " +
                 (linkFailed(result.outcome) ? result.error
                                             : importProblem(result, *target, options) +
                                                   " before the end of the configuration"));
        return false;
    }
    readConfigurationText(result.text, model);
    return true;
}

std::string originOf(const std::string& side)
{
    const std::optional<LinkTarget> target = parseSide(side);
    if (target)
        return "unit " + describe(*target);
    return side == "-" ? describe(side) : "file " + describe(side);
}

} // namespace zel::tool
