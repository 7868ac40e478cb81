#include "model/templates.h"

#include "model/config_model.h"

namespace zel::model {

std::vector<std::string> templateLines(UnitSize size)
{
    const int units = static_cast<int>(size); // sources and zones alike
    const auto n = [](int value) { return std::to_string(value); };

    std::vector<std::string> lines = {"[SD0]", "[DHCP1]", "[IP0.0.0.0]", "[NM0.0.0.0]",
                                      "[GW0.0.0.0]"};
    for (int f = 1; f <= kFavorites; ++f)
        lines.push_back("[NF" + n(f) + "\"Favorite Name " + n(f) + "\"]");
    for (int g = 1; g <= kGroups; ++g)
        lines.push_back("[NG" + n(g) + "\"Group Name " + n(g) + "\"]");
    lines.insert(lines.end(), {"[FPL0]", "[IRL0]"});
    for (int p = 1; p <= kPresets; ++p) {
        lines.push_back("[NEP" + n(p) + "\"Preset Name " + n(p) + "\"]");
        for (int b = 1; b <= kBands; ++b)
            lines.push_back("[EP" + n(p) + "B" + n(b) + "L0]");
    }
    for (int s = 1; s <= units; ++s)
        lines.push_back("[NI" + n(s) + "\"Source Name " + n(s) + "\"]");
    for (int z = 1; z <= units; ++z) {
        lines.push_back("[NO" + n(z) + "\"Zone Name " + n(z) + "\"]");
        lines.push_back("[CO" + n(z) + "I1]");
        lines.push_back("[EO" + n(z) + "M0]");
        lines.push_back("[BO" + n(z) + "L0]");
        lines.push_back("[VO" + n(z) + "R-12]");
    }
    return lines;
}

} // namespace zel::model
