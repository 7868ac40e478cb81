#include "model/templates.h"

#include "model/config_model.h"
#include "model/written_line.h"

namespace zel::model {

std::vector<std::string> templateLines(UnitSize size)
{
    const int units = static_cast<int>(size); // sources and zones alike
    const std::string anyAddress = "0.0.0.0";
    const auto named = [](const char* what, int n) { return what + std::to_string(n); };

    std::vector<std::string> lines = {
        writtenLine(Command::Display, 0),
        writtenLine(Command::Dhcp, true),
        writtenLine(Command::IpAddress, anyAddress),
        writtenLine(Command::Netmask, anyAddress),
        writtenLine(Command::Gateway, anyAddress),
    };
    for (int f = 1; f <= kFavorites; ++f)
        lines.push_back(writtenLine(Command::FavoriteName, f, named("Favorite Name ", f)));
    for (int g = 1; g <= kGroups; ++g)
        lines.push_back(writtenLine(Command::GroupName, g, named("Group Name ", g)));
    lines.push_back(writtenLine(Command::FrontPanel, false));
    lines.push_back(writtenLine(Command::IrLockout, false));
    for (int p = 1; p <= kPresets; ++p) {
        lines.push_back(writtenLine(Command::PresetName, p, named("Preset Name ", p)));
        for (int b = 1; b <= kBands; ++b)
            lines.push_back(writtenLine(Command::PresetBand, p, b, 0));
    }
    for (int s = 1; s <= units; ++s)
        lines.push_back(writtenLine(Command::SourceName, s, named("Source Name ", s)));
    for (int z = 1; z <= units; ++z) {
        lines.push_back(writtenLine(Command::ZoneName, z, named("Zone Name ", z)));
        // Zone z on source 1: the reader accepts the line and stores nothing.
        lines.push_back(writtenLine(Command::ZoneSource, std::to_string(z) + "I1"));
        lines.push_back(writtenLine(Command::EqMode, z, static_cast<int>(kEqModeDisabled)));
        lines.push_back(writtenLine(Command::BalanceLeft, z, 0));
        lines.push_back(writtenLine(Command::Volume, z, -12));
    }
    return lines;
}

} // namespace zel::model
