#include "filled_configuration.h"

#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/templates.h"

#include <string>

namespace zel::test {

using namespace zel::model;

ConfigModel blankZel16()
{
    ConfigModel config;
    LogLines log;
    for (const std::string& line : templateLines(UnitSize::Zel16))
        readLine(config, line, log);
    return config;
}

ConfigModel filledZel16()
{
    ConfigModel config = blankZel16();
    config.setDisplayLevel(2);
    config.setFrontPanelLocked(true);
    for (int p = 1; p <= kPresets; ++p) {
        config.preset(p).name = "Preset " + std::to_string(p * 7);
        for (int b = 1; b <= kBands; ++b)
            config.preset(p).setBand(b, static_cast<int8_t>((p + b) % 21 - 10));
    }
    for (int z = 1; z <= kMaxZones; ++z) {
        config.setZoneName(z, "Room " + std::to_string(z) + " east");
        config.setSourceName(z, "Input " + std::to_string(z));
        ZoneAudio& audio = config.zoneAudio(z);
        audio.audioKnown = true;
        audio.eqMode = kEqModeZq;
        audio.volume = static_cast<int8_t>(-z * 3);
        audio.balance = static_cast<int8_t>(z % 2 ? -z : z);
        for (int b = 1; b <= kBands; ++b)
            audio.setBand(b, static_cast<int8_t>((z * b) % 21 - 10));
        for (int f = 1; f <= kFavorites; ++f)
            config.setConnection(f, (z + f) % kMaxSources + 1, z, std::string(kAudioCode));
        config.setGroupMark(z % kGroups + 1, z, std::string(kGroupMark));
        config.setGroupMark((z + 3) % kGroups + 1, z, std::string(kGroupMark));
    }
    for (int n = 1; n <= kFavorites; ++n) {
        config.setFavoriteName(n, "Scene " + std::to_string(n));
        config.setGroupName(n, "Area " + std::to_string(n));
    }
    config.network().dhcp = false;
    config.network().ipAddress = "192.0.2.40";
    config.network().netmask = "255.255.255.0";
    config.network().gateway = "192.0.2.1";
    return config;
}

QStringList configurationLines(const ConfigModel& config)
{
    QStringList lines;
    for (const std::string& line : writeConfiguration(config))
        lines << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    return lines;
}

ConfigModel readConfiguration(const QString& text)
{
    ConfigModel config;
    LogLines log;
    const QByteArray bytes = text.toLatin1();
    readText(config, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), log);
    return config;
}

} // namespace zel::test
