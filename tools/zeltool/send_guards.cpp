#include "send_guards.h"

#include "config_input.h"
#include "tool_command.h"

#include "model/config_model.h"
#include "model/unit_model.h"
#include "model/whole_configuration.h"

namespace zel::tool {

int checkWhole(const std::string& path, const model::ConfigModel& configuration,
               const model::ReadSummary& read, bool allowIncomplete)
{
    const std::vector<std::string> missing = model::missingFromWhole(configuration, read.coverage);
    if (missing.empty())
        return kExitOk;
    const std::string what =
        "export: " + describe(path) + " is not a whole configuration: it does not set " +
        model::joinParts(missing) + ". Sent, the unit gets blanks or defaults in their place";
    if (allowIncomplete)
        return fail(kExitOk, what + "; sent as --allow-incomplete asks");
    return fail(kExitUsage, what + ". Nothing was sent; --allow-incomplete sends it all the same");
}

int fetchUnit(const LinkTarget& target, const TransferOptions& options, model::ConfigModel& unit,
              const std::function<std::string(const std::string& problem)>& refusal)
{
    const ImportResult fetched = importConfiguration(target, options);
    if (linkFailed(fetched.outcome))
        return fail(kExitUsage, "cannot reach " + describe(target) + ": " + fetched.error);
    if (fetched.outcome != link::TransferOutcome::Completed)
        return fail(kExitFailure, refusal(importProblem(fetched, target, options)));
    readConfigurationText(fetched.text, unit);
    return kExitOk;
}

int checkModels(const std::string& path, const model::ConfigModel& sent, const LinkTarget& target,
                const model::ConfigModel& unit, bool otherModel)
{
    const std::optional<model::UnitModel> sentModel = model::unitModelOf(sent);
    const std::optional<model::UnitModel> unitModel = model::unitModelOf(unit);
    if (!model::otherModels(sentModel, unitModel))
        return kExitOk;
    const std::string what = "export: " + describe(path) + " is a configuration for a " +
                             model::unitModelName(*sentModel) + ", but " + describe(target) +
                             " is a " + model::unitModelName(*unitModel) +
                             ". Sent, the unit holds part of each";
    if (otherModel)
        return fail(kExitOk, what + "; sent as --other-model asks");
    return fail(kExitUsage, what + ". Nothing was sent; --other-model sends it all the same");
}

} // namespace zel::tool
