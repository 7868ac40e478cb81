#include "model/dump_shortfall.h"

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/model_reset.h"
#include "model/whole_configuration.h"

#include <vector>

namespace zel::model {

std::string dumpShortfall(std::string_view text)
{
    ConfigModel configuration;
    resetModel(configuration);
    LogLines log;
    const ReadSummary read = readText(configuration, text, log);
    if (read.settingLines == 0)
        return "no configuration line came";
    markUnavailableGroups(configuration);
    const std::vector<std::string> missing = missingFromWhole(configuration, read.coverage);
    return missing.empty() ? std::string() : "it does not set " + joinParts(missing);
}

} // namespace zel::model
