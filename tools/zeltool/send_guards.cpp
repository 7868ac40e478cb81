#include "send_guards.h"

#include "tool_command.h"

#include "model/whole_configuration.h"

namespace zel::tool {

int checkWhole(const std::string& command, const std::string& source,
               const std::vector<std::string>& missing, bool allowIncomplete)
{
    if (missing.empty())
        return kExitOk;
    const std::string what =
        command + ": " + source + " is not a whole configuration: it does not set " +
        model::joinParts(missing) + ". Sent, the unit gets blanks or defaults in their place";
    if (allowIncomplete)
        return fail(kExitOk, what + "; sent as --allow-incomplete asks");
    return fail(kExitUsage, what + ". Nothing was sent; --allow-incomplete sends it all the same");
}

int checkModels(const std::string& command, const std::string& source, const std::string& sentModel,
                const std::string& unitModel, const LinkTarget& target, bool otherModel)
{
    const std::string what = command + ": " + source + " is a configuration for a " + sentModel +
                             ", but " + describe(target) + " is a " + unitModel +
                             ". Sent, the unit holds part of each";
    if (otherModel)
        return fail(kExitOk, what + "; sent as --other-model asks");
    return fail(kExitUsage, what + ". Nothing was sent; --other-model sends it all the same");
}

} // namespace zel::tool
