#include "model/config_writer.h"

#include "model/config_model.h"

#include <concepts>

namespace zel::model {

namespace {

// Text pieces and numbers (plain decimal, "-" when negative) joined into one line.
void appendPiece(std::string& line, std::string_view piece)
{
    line += piece;
}
void appendPiece(std::string& line, std::integral auto number)
{
    line += std::to_string(static_cast<long long>(number));
}

template <typename... Pieces> std::string joined(const Pieces&... pieces)
{
    std::string line;
    (appendPiece(line, pieces), ...);
    return line;
}

// Zone, source, favorite and group names: cut to 16 characters, a blank when empty.
std::string writtenName(const std::string& name)
{
    return name.empty() ? std::string(" ") : name.substr(0, kNameLength);
}

class Writer {
public:
    explicit Writer(const ConfigModel& model) : m_model(model) {}

    std::vector<std::string> run()
    {
        writePanel();
        writePresets();
        m_lines.emplace_back();
        writeSourceNames();
        for (int z = 1; z <= m_model.zoneCount(); ++z)
            writeZone(z);
        writeGroups();
        m_lines.emplace_back();
        writeFavorites();
        writeFavoriteAndGroupNames();
        writeNetwork();
        add("[EC]");
        return std::move(m_lines);
    }

private:
    template <typename... Pieces> void add(const Pieces&... pieces)
    {
        m_lines.push_back(joined(pieces...));
    }

    void writePanel()
    {
        add("[SD", m_model.displayLevel(), "]");
        add("[FPL", m_model.frontPanelLocked() ? 1 : 0, "]");
        add("[IRL", m_model.irLockout() ? 1 : 0, "]");
    }

    void writePresets()
    {
        for (int p = 1; p <= kPresets; ++p) {
            const DevicePreset& preset = m_model.preset(p);
            add("[NEP", p, "\"", preset.name, "\"]"); // preset names are written whole
            for (int b = 1; b <= kBands; ++b)
                add("[EP", p, "B", b, "L", preset.band(b), "]");
        }
    }

    void writeSourceNames()
    {
        for (int s = 1; s <= m_model.sourceCount(); ++s)
            add("[NI", s, "\"", writtenName(m_model.sourceName(s)), "\"]");
    }

    void writeZone(int z)
    {
        m_lines.emplace_back();
        add("[NO", z, "\"", writtenName(m_model.zoneName(z)), "\"]");
        const ZoneAudio& zone = m_model.zoneAudio(z);
        if (!zone.audioKnown)
            return;
        if (zone.volumeLocked) {
            add("[VO", z, "F1]");
        } else {
            add("[VO", z, "F0]");
            add("[VO", z, "R", zone.volume, "]");
        }
        if (zone.eqMode < 0)
            return;
        add("[EO", z, "M", zone.eqMode, "]");
        if (zone.balance < 0)
            add("[BO", z, "L", -zone.balance, "]");
        else
            add("[BO", z, "R", zone.balance, "]");
        writeModeSettings(z, zone);
    }

    void writeModeSettings(int z, const ZoneAudio& zone)
    {
        switch (zone.eqMode) {
        case kEqModeZq:
            for (int b = 1; b <= kBands; ++b)
                add("[EO", z, "B", b, "L", zone.band(b), "]");
            break;
        case kEqModePreset:
            if (zone.systemEqPreset > 0)
                add("[EO", z, "P", zone.systemEqPreset, "]");
            break;
        case kEqModeTone:
            add("[TO", z, "B", -zone.bass, "T", -zone.treble, "]");
            break;
        case kEqModeLowpass:
            // A lowpass never set (-1) has no form the reader accepts: leave the line out.
            if (zone.lowpass >= 0)
                add("[EO", z, "LP", zone.lowpass, "]");
            break;
        default:
            break;
        }
    }

    void writeGroups()
    {
        add("[GAR]");
        for (int z = 1; z <= m_model.zoneCount(); ++z)
            for (int g = 1; g <= kGroups; ++g)
                if (m_model.groupMark(g, z) == kGroupMark)
                    add("[G", g, "AO", z, "]");
    }

    void writeFavorites()
    {
        add("[FAR]");
        for (int f = 1; f <= kFavorites; ++f)
            for (int z = 1; z <= m_model.zoneCount(); ++z)
                for (int s = 1; s <= m_model.sourceCount(); ++s)
                    if (m_model.connection(f, s, z) == kAudioCode)
                        add("[F", f, "AO", z, "I", s, "]");
    }

    void writeFavoriteAndGroupNames()
    {
        for (int f = 1; f <= kFavorites; ++f)
            add("[NF", f, "\"", writtenName(m_model.favoriteName(f)), "\"]");
        for (int g = 1; g <= kGroups; ++g)
            add("[NG", g, "\"", writtenName(m_model.groupName(g)), "\"]");
    }

    void writeNetwork()
    {
        const NetworkSettings& network = m_model.network();
        if (network.dhcp) {
            add("[DHCP1]");
            return;
        }
        add("[DHCP0]");
        add("[NM", network.netmask, "]");
        add("[GW", network.gateway, "]");
        add("[IP", network.ipAddress, "]");
    }

    const ConfigModel& m_model;
    std::vector<std::string> m_lines;
};

} // namespace

std::vector<std::string> writeConfiguration(const ConfigModel& model)
{
    return Writer(model).run();
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view lineEnd)
{
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + lineEnd.size();
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines)
        text.append(line).append(lineEnd);
    return text;
}

} // namespace zel::model
