#include "config_input.h"

#include "byte_files.h"
#include "tool_command.h"

#include "model/config_model.h"
#include "model/model_reset.h"

namespace zel::tool {

std::string describe(const std::string& path)
{
    return path == "-" ? std::string("standard input") : "'" + path + "'";
}

ConfigurationRead readConfigurationText(std::string_view text, model::ConfigModel& model)
{
    model::resetModel(model);
    ConfigurationRead read;
    read.summary = model::readText(model, text, read.log);
    model::markUnavailableGroups(model);
    return read;
}

std::optional<ConfigurationRead> readConfiguration(const std::string& path,
                                                   model::ConfigModel& model)
{
    const ReadResult file = readBytes(path);
    if (!file.error.empty()) {
        fail(kExitUsage, "cannot read " + describe(path) + ": " + file.error);
        return std::nullopt;
    }
    return readConfigurationText(file.bytes, model);
}

} // namespace zel::tool
