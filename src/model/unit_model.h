#pragma once
// Which model of unit a configuration is for, told by its zone and source counts: a ZEL-8 has
// 8 and 8, a ZEL-16 16 and 16. A configuration of one model sent to a unit of the other leaves
// the unit with some of each (a ZEL-8's lines give a ZEL-16 eight zones of the one and eight of
// what it held), so whoever sends compares the two first.

#include <optional>
#include <string>

namespace zel::model {

class ConfigModel;

struct UnitModel {
    int zones = 0;
    int sources = 0;

    bool operator==(const UnitModel&) const = default;
};

// The model of `configuration`; nothing while a count is not known (no zone or source name
// was read).
std::optional<UnitModel> unitModelOf(const ConfigModel& configuration);

// The name units of this model go by, "ZEL-8" or "ZEL-16"; empty for counts no unit is made with.
std::string unitProductName(const UnitModel& model);
// The counts: "16 zones, 16 sources".
std::string unitCountsText(const UnitModel& model);
// The name, else the counts: "ZEL-16", "12 zones, 10 sources".
std::string unitSizeText(const UnitModel& model);
// "ZEL-8", "ZEL-16", or "unit of 12 zones and 12 sources"; "a" goes before each.
std::string unitModelName(const UnitModel& model);

// Whether both models are known and differ.
bool otherModels(const std::optional<UnitModel>& sent, const std::optional<UnitModel>& unit);

} // namespace zel::model
