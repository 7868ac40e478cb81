#include "model/carried_text.h"

#include "model/config_model.h"
#include "model/config_writer.h"
#include "model/printable_text.h"

#include <algorithm>

namespace zel::model {

namespace {

bool isControlByte(unsigned char byte)
{
    return byte < 0x20 || (byte >= 0x7F && byte <= 0x9F);
}

class Finder {
public:
    std::vector<UncarriedText> found;

    void check(std::string field, const std::string& text)
    {
        if (std::string reason = uncarriedReason(text); !reason.empty())
            found.push_back({std::move(field), text, std::move(reason)});
    }
    void checkNames(const char* what, int count, const std::string& (ConfigModel::*name)(int) const,
                    const ConfigModel& model)
    {
        for (int n = 1; n <= count; ++n)
            check(std::string(what) + " " + std::to_string(n) + " name",
                  writtenName((model.*name)(n)));
    }
};

} // namespace

bool isCarriedByte(unsigned char byte)
{
    return !isControlByte(byte) && byte != '[' && byte != ']' && byte != 0xFF;
}

std::string uncarriedReason(std::string_view text)
{
    const auto at = std::find_if(text.begin(), text.end(), [](char c) {
        return !isCarriedByte(static_cast<unsigned char>(c));
    });
    if (at == text.end())
        return {};
    const auto byte = static_cast<unsigned char>(*at);
    if (byte == '\r' || byte == '\n')
        return "a line break";
    if (byte == '[' || byte == ']')
        return std::string("\"") + *at + "\"";
    if (byte == 0xFF)
        return "the byte 0xFF";
    return "a control code (" + escapeControlBytes(std::string_view(&*at, 1)) + ")";
}

std::vector<UncarriedText> uncarriedTexts(const ConfigModel& model)
{
    Finder finder;
    for (int p = 1; p <= kPresets; ++p)
        finder.check("preset " + std::to_string(p) + " name", model.preset(p).name);
    finder.checkNames("source", model.sourceCount(), &ConfigModel::sourceName, model);
    finder.checkNames("zone", model.zoneCount(), &ConfigModel::zoneName, model);
    finder.checkNames("favorite", kFavorites, &ConfigModel::favoriteName, model);
    finder.checkNames("group", kGroups, &ConfigModel::groupName, model);
    const NetworkSettings& network = model.network();
    if (!network.dhcp) { // with DHCP on the addresses are not written
        finder.check("netmask", network.netmask);
        finder.check("gateway", network.gateway);
        finder.check("IP address", network.ipAddress);
    }
    return std::move(finder.found);
}

std::string describeUncarried(const UncarriedText& found)
{
    constexpr std::size_t kShownLength = 60; // a longer text is shown cut, with "..."
    std::string shown = escapeControlBytes(std::string_view(found.text).substr(0, kShownLength));
    if (found.text.size() > kShownLength)
        shown += "...";
    return found.field + " \"" + shown + "\" holds " + found.reason +
           ", which a configuration line cannot carry";
}

} // namespace zel::model
