#include "model/unit_model.h"

#include "model/config_model.h"

namespace zel::model {

std::optional<UnitModel> unitModelOf(const ConfigModel& configuration)
{
    if (configuration.zoneCount() < 1 || configuration.sourceCount() < 1)
        return std::nullopt;
    return UnitModel{configuration.zoneCount(), configuration.sourceCount()};
}

std::string unitProductName(const UnitModel& model)
{
    if (model.zones == model.sources && (model.zones == 8 || model.zones == 16))
        return "ZEL-" + std::to_string(model.zones);
    return {};
}

std::string unitCountsText(const UnitModel& model)
{
    return std::to_string(model.zones) + " zones, " + std::to_string(model.sources) + " sources";
}

std::string unitSizeText(const UnitModel& model)
{
    const std::string name = unitProductName(model);
    return name.empty() ? unitCountsText(model) : name;
}

std::string unitModelName(const UnitModel& model)
{
    if (const std::string name = unitProductName(model); !name.empty())
        return name;
    const auto count = [](int n, const char* what) {
        return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
    };
    return "unit of " + count(model.zones, "zone") + " and " + count(model.sources, "source");
}

bool otherModels(const std::optional<UnitModel>& sent, const std::optional<UnitModel>& unit)
{
    return sent && unit && *sent != *unit;
}

} // namespace zel::model
