#pragma once
// Configuration files read into a model as an import reads them.

#include "model/config_reader.h"

#include <optional>
#include <string>

namespace zel::model {
class ConfigModel;
}

namespace zel::tool {

// How messages name a file: "standard input" for "-", else the path in quotes.
std::string describe(const std::string& path);

// What reading a configuration gave: the reader's log and how many lines set something.
struct ConfigurationRead {
    model::LogLines log;
    model::ReadSummary summary;
};

// Reads a configuration file ("-" for standard input) into a reset model, as an import does,
// and marks the groups of zones beyond the zone count. Nothing when the file cannot be read;
// the message is printed.
std::optional<ConfigurationRead> readConfiguration(const std::string& path,
                                                   model::ConfigModel& model);

// Reads configuration text into a reset model as readConfiguration() does.
ConfigurationRead readConfigurationText(std::string_view text, model::ConfigModel& model);

} // namespace zel::tool
