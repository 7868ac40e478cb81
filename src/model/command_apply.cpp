#include "model/command_apply.h"

#include "model/command_table.h"
#include "model/config_model.h"
#include "model/number_text.h"

namespace zel::model {

namespace {

// The fields of one match, with the conversions the effects need.
class Fields {
public:
    explicit Fields(const CommandFields& fields) : m_fields(fields) {}

    // Whether every numbered field ($1 = 1) holds text.
    template <typename... N> bool have(N... n) const { return (!field(n).empty() && ...); }

    const std::string& text(int n) const { return field(n); }
    int32_t number(int n) const { return toInt32(field(n)); }
    int8_t level(int n) const { return lowByte(number(n)); }
    int8_t negatedLevel(int n) const { return lowByte(-static_cast<int64_t>(number(n))); }
    bool flag(int n) const { return field(n) == "1"; }
    std::string name(int n) const { return field(n).substr(0, kNameLength); }

private:
    const std::string& field(int n) const { return m_fields.at(static_cast<std::size_t>(n - 1)); }
    const CommandFields& m_fields;
};

// The zone record of a number from text, or null when the zone lies outside the table.
ZoneAudio* zoneAudio(ConfigModel& model, int32_t z)
{
    return ConfigModel::isZone(z) ? &model.zoneAudio(z) : nullptr;
}

// When the zone (field 1) and `field` hold text: converts the zone number, then the value, and
// stores the value when the zone lies in the table. A conversion that fails stores nothing.
template <typename Value>
void setZoneMember(ConfigModel& model, const Fields& f, int field,
                   Value (Fields::*convert)(int) const, Value ZoneAudio::*member)
{
    if (!f.have(1, field))
        return;
    const int32_t z = f.number(1);
    const Value value = (f.*convert)(field);
    if (ZoneAudio* zone = zoneAudio(model, z))
        zone->*member = value;
}

void applyZoneAudio(ConfigModel& model, Command command, const Fields& f)
{
    switch (command) {
    case Command::Volume:
        setZoneMember(model, f, 2, &Fields::level, &ZoneAudio::volume);
        break;
    case Command::ZoneEqBand:
        if (f.have(1, 2, 3)) {
            const int32_t z = f.number(1);
            const int32_t b = f.number(2);
            const int8_t level = f.level(3);
            if (ZoneAudio* zone = zoneAudio(model, z); zone && ConfigModel::isBand(b))
                zone->setBand(b, level);
        }
        break;
    case Command::Tone:
        // Bass is stored before treble is converted: a treble that fails leaves the new bass.
        setZoneMember(model, f, 2, &Fields::negatedLevel, &ZoneAudio::bass);
        setZoneMember(model, f, 3, &Fields::negatedLevel, &ZoneAudio::treble);
        break;
    case Command::BalanceLeft:
        setZoneMember(model, f, 2, &Fields::negatedLevel, &ZoneAudio::balance);
        break;
    case Command::BalanceRight:
        setZoneMember(model, f, 2, &Fields::level, &ZoneAudio::balance);
        break;
    case Command::EqMode:
        // The flag is set before the mode is converted, so it stays set when the mode fails.
        if (f.have(1)) {
            if (ZoneAudio* zone = zoneAudio(model, f.number(1)))
                zone->audioKnown = true;
        }
        setZoneMember(model, f, 2, &Fields::level, &ZoneAudio::eqMode);
        break;
    case Command::Lowpass:
        setZoneMember(model, f, 2, &Fields::number, &ZoneAudio::lowpass);
        break;
    case Command::VolumeLock:
        setZoneMember(model, f, 2, &Fields::flag, &ZoneAudio::volumeLocked);
        break;
    case Command::SystemEqPreset:
        setZoneMember(model, f, 2, &Fields::level, &ZoneAudio::systemEqPreset);
        break;
    default:
        break;
    }
}

void applyPreset(ConfigModel& model, Command command, const Fields& f)
{
    if (command == Command::PresetName && f.have(1, 2)) {
        const int32_t p = f.number(1);
        if (ConfigModel::isPreset(p))
            model.preset(p).name = f.text(2);
    } else if (command == Command::PresetBand && f.have(1, 2, 3)) {
        const int32_t p = f.number(1);
        const int32_t b = f.number(2);
        const int8_t level = f.level(3);
        if (ConfigModel::isPreset(p) && ConfigModel::isBand(b))
            model.preset(p).setBand(b, level);
    }
}

void applyName(ConfigModel& model, Command command, const Fields& f)
{
    if (f.have(1, 2)) {
        const int32_t n = f.number(1);
        switch (command) {
        case Command::FavoriteName:
            if (ConfigModel::isFavorite(n))
                model.setFavoriteName(n, f.name(2));
            break;
        case Command::GroupName:
            if (ConfigModel::isGroup(n))
                model.setGroupName(n, f.name(2));
            break;
        case Command::ZoneName:
            if (ConfigModel::isZone(n))
                model.setZoneName(n, f.name(2));
            break;
        case Command::SourceName:
            if (ConfigModel::isSource(n))
                model.setSourceName(n, f.name(2));
            break;
        default:
            break;
        }
    }
    // A zone or source name line raises its count even when the name is empty or the number lies
    // beyond the table (the count stops at 16).
    if (f.have(1)) {
        if (command == Command::ZoneName)
            model.raiseZoneCount(f.number(1));
        else if (command == Command::SourceName)
            model.raiseSourceCount(f.number(1));
    }
}

void applyMatrix(ConfigModel& model, Command command, const Fields& f)
{
    if (command == Command::GroupMember && f.have(1, 2)) {
        const int32_t g = f.number(1);
        const int32_t z = f.number(2);
        if (ConfigModel::isGroup(g) && ConfigModel::isZone(z))
            model.setGroupMark(g, z, std::string(kGroupMark));
    } else if (command == Command::FavoriteConnection && f.have(1, 2, 3)) {
        const int32_t fav = f.number(1);
        const int32_t z = f.number(2);
        const int32_t s = f.number(3);
        if (ConfigModel::isFavorite(fav) && ConfigModel::isZone(z) && ConfigModel::isSource(s))
            model.setConnection(fav, s, z, std::string(kAudioCode));
    }
}

void applyUnitSetting(ConfigModel& model, Command command, const Fields& f)
{
    if (!f.have(1))
        return;
    NetworkSettings& network = model.network();
    switch (command) {
    case Command::FrontPanel:
        model.setFrontPanelLocked(f.flag(1));
        break;
    case Command::IrLockout:
        model.setIrLockout(f.flag(1));
        break;
    case Command::Display:
        model.setDisplayLevel(f.level(1)); // clamped to 0..3: [SD9] gives 3
        break;
    case Command::Dhcp:
        network.dhcp = f.flag(1);
        break;
    case Command::IpAddress:
        network.ipAddress = f.text(1);
        break;
    case Command::Netmask:
        network.netmask = f.text(1);
        break;
    case Command::Gateway:
        network.gateway = f.text(1);
        break;
    default:
        break;
    }
}

} // namespace

void applyCommand(ConfigModel& model, const CommandMatch& match)
{
    const Fields fields(match.fields);
    switch (commandDescription(match.command).subject) {
    case Subject::ZoneAudio:
        applyZoneAudio(model, match.command, fields);
        break;
    case Subject::Preset:
        applyPreset(model, match.command, fields);
        break;
    case Subject::Name:
        applyName(model, match.command, fields);
        break;
    case Subject::Membership:
        applyMatrix(model, match.command, fields);
        break;
    case Subject::UnitSetting:
        applyUnitSetting(model, match.command, fields);
        break;
    case Subject::Nothing: // logged only, or accepted silently
        break;
    }
}

} // namespace zel::model
