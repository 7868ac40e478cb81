#include "model/config_writer.h"

#include "model/config_model.h"
#include "model/written_line.h"

namespace zel::model {

namespace {

class Writer {
public:
    explicit Writer(const ConfigModel& model) : m_model(model) {}

    std::vector<BlockLine> run()
    {
        writePanel();
        writePresets();
        addEmpty();
        writeSourceNames();
        for (int z = 1; z <= m_model.zoneCount(); ++z)
            writeZone(z);
        writeGroups();
        addEmpty();
        writeFavorites();
        writeFavoriteAndGroupNames();
        writeNetwork();
        in(Kind::End);
        m_lines.push_back({std::string(kEndMarker), m_block});
        return std::move(m_lines);
    }

private:
    using Kind = WriterBlock::Kind;

    // The lines added from now on belong to this block.
    void in(Kind kind, int number = 0) { m_block = {kind, number}; }

    template <typename... Values> void add(Command command, const Values&... values)
    {
        m_lines.push_back({writtenLine(command, values...), m_block});
    }

    void addEmpty() { m_lines.push_back({std::string(), {}}); }

    void writePanel()
    {
        in(Kind::Panel);
        add(Command::Display, m_model.displayLevel());
        add(Command::FrontPanel, m_model.frontPanelLocked());
        add(Command::IrLockout, m_model.irLockout());
    }

    void writePresets()
    {
        for (int p = 1; p <= kPresets; ++p) {
            in(Kind::Preset, p);
            const DevicePreset& preset = m_model.preset(p);
            add(Command::PresetName, p, preset.name); // preset names are written whole
            for (int b = 1; b <= kBands; ++b)
                add(Command::PresetBand, p, b, preset.band(b));
        }
    }

    void writeSourceNames()
    {
        for (int s = 1; s <= m_model.sourceCount(); ++s) {
            in(Kind::SourceName, s);
            add(Command::SourceName, s, m_model.sourceName(s));
        }
    }

    void writeZone(int z)
    {
        addEmpty();
        in(Kind::ZoneName, z);
        add(Command::ZoneName, z, m_model.zoneName(z));
        in(Kind::ZoneAudio, z);
        const ZoneAudio& zone = m_model.zoneAudio(z);
        if (!zone.audioKnown)
            return;
        add(Command::VolumeLock, z, zone.volumeLocked);
        if (!zone.volumeLocked)
            add(Command::Volume, z, zone.volume);
        if (zone.eqMode < 0)
            return;
        add(Command::EqMode, z, zone.eqMode);
        if (zone.balance < 0)
            add(Command::BalanceLeft, z, -zone.balance);
        else
            add(Command::BalanceRight, z, zone.balance);
        writeModeSettings(z, zone);
    }

    void writeModeSettings(int z, const ZoneAudio& zone)
    {
        switch (zone.eqMode) {
        case kEqModeZq:
            for (int b = 1; b <= kBands; ++b)
                add(Command::ZoneEqBand, z, b, zone.band(b));
            break;
        case kEqModePreset:
            if (zone.systemEqPreset > 0)
                add(Command::SystemEqPreset, z, zone.systemEqPreset);
            break;
        case kEqModeTone:
            add(Command::Tone, z, -zone.bass, -zone.treble);
            break;
        case kEqModeLowpass:
            // A lowpass never set (-1) has no form the reader accepts: leave the line out.
            if (zone.lowpass >= 0)
                add(Command::Lowpass, z, zone.lowpass);
            break;
        default:
            break;
        }
    }

    void writeGroups()
    {
        in(Kind::Groups);
        m_lines.push_back({std::string(kGroupsMarker), m_block});
        for (int z = 1; z <= m_model.zoneCount(); ++z)
            for (int g = 1; g <= kGroups; ++g)
                if (m_model.groupMark(g, z) == kGroupMark)
                    add(Command::GroupMember, g, z);
    }

    void writeFavorites()
    {
        in(Kind::Favorites);
        m_lines.push_back({std::string(kFavoritesMarker), m_block});
        for (int f = 1; f <= kFavorites; ++f)
            for (int z = 1; z <= m_model.zoneCount(); ++z)
                for (int s = 1; s <= m_model.sourceCount(); ++s)
                    if (m_model.connection(f, s, z) == kAudioCode)
                        add(Command::FavoriteConnection, f, z, s);
    }

    void writeFavoriteAndGroupNames()
    {
        for (int f = 1; f <= kFavorites; ++f) {
            in(Kind::FavoriteName, f);
            add(Command::FavoriteName, f, m_model.favoriteName(f));
        }
        for (int g = 1; g <= kGroups; ++g) {
            in(Kind::GroupName, g);
            add(Command::GroupName, g, m_model.groupName(g));
        }
    }

    void writeNetwork()
    {
        in(Kind::Network);
        const NetworkSettings& network = m_model.network();
        add(Command::Dhcp, network.dhcp);
        if (network.dhcp)
            return;
        add(Command::Netmask, network.netmask);
        add(Command::Gateway, network.gateway);
        add(Command::IpAddress, network.ipAddress);
    }

    const ConfigModel& m_model;
    WriterBlock m_block;
    std::vector<BlockLine> m_lines;
};

} // namespace

std::vector<BlockLine> writeConfigurationInBlocks(const ConfigModel& model)
{
    return Writer(model).run();
}

std::vector<std::string> writeConfiguration(const ConfigModel& model)
{
    std::vector<std::string> lines;
    for (BlockLine& written : Writer(model).run())
        lines.push_back(std::move(written.line));
    return lines;
}

std::string writtenName(const std::string& name)
{
    return name.empty() ? std::string(" ") : name.substr(0, kNameLength);
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
