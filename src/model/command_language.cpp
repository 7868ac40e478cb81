#include "model/command_language.h"

namespace zel::model {

namespace {

using enum FieldKind;

// The model's tables in the order of their kinds, Zone to Band.
struct Table {
    std::string_view name;
    int size;
};
constexpr std::array<Table, 6> kTables = {{{"zone", kMaxZones},
                                           {"source", kMaxSources},
                                           {"favorite", kFavorites},
                                           {"group", kGroups},
                                           {"preset", kPresets},
                                           {"band", kBands}}};

// A number of one of the tables: 1..its size.
constexpr Field number(FieldKind kind, std::string_view label)
{
    const Table& table = kTables.at(static_cast<std::size_t>(kind) - 1);
    return {kind, label, table.name, 1, table.size};
}
constexpr Field bandLevel = {Level, " Level: ", "band level", -10, 10};
constexpr Field tone(std::string_view label, std::string_view name)
{
    return {ReversedLevel, label, name, -12, 12};
}
constexpr Field balance(FieldKind kind, std::string_view label, std::string_view name)
{
    return {kind, label, name, 0, 80}; // dB towards one side
}
constexpr int kDisplayLevelMax = static_cast<int>(kDisplayLevelTexts.size()) - 1;

// Order matters only for lines holding several commands or stray text: the first match decides.
constexpr std::array<CommandDescription, kCommandCount> kCommands = {{
    {Command::Volume,
     Subject::ZoneAudio,
     R"re(\[VO(\d+)R(-?\d+)\])re",
     {number(Zone, "Zone: "), {Level, " Volume: ", "volume", -80, 0}}},
    {Command::ZoneEqBand,
     Subject::ZoneAudio,
     R"re(\[EO(\d+)B(\d+)L(-?\d+)\])re",
     {number(Zone, "Zone: "), number(Band, " EQ: "), bandLevel}},
    {Command::Tone,
     Subject::ZoneAudio,
     R"re(\[TO(\d+)B(-?\d+)T(-?\d+)\])re",
     {number(Zone, "Zone: "), tone(" Bass: ", "bass"), tone(" Treble: ", "treble")}},
    {Command::BalanceLeft,
     Subject::ZoneAudio,
     R"re(\[BO(\d+)L(-?\d+)\])re",
     {number(Zone, "Zone: "), balance(ReversedLevel, " Left Balance: ", "left balance")}},
    {Command::BalanceRight,
     Subject::ZoneAudio,
     R"re(\[BO(\d+)R(-?\d+)\])re",
     {number(Zone, "Zone: "), balance(Level, " Right Balance: ", "right balance")}},
    {Command::EqMode,
     Subject::ZoneAudio,
     R"re(\[EO(\d+)M(\d+)\])re",
     {number(Zone, "Zone: "), {Level, " Mode: ", "EQ mode", kEqModeDisabled, kEqModeLowpass}}},
    {Command::Lowpass,
     Subject::ZoneAudio,
     R"re(\[EO(\d+)LP(\d+)\])re",
     {number(Zone, "Zone: "), {WholeNumber, " Lowpass: ", "lowpass", 40, 240}}},
    {Command::VolumeLock,
     Subject::ZoneAudio,
     R"re(\[VO(\d+)F(\d+)\])re",
     {number(Zone, "Zone: "), {Flag, " Locked: ", "volume lock"}}},
    {Command::SystemEqPreset,
     Subject::ZoneAudio,
     R"re(\[EO(\d+)P(\d+)\])re",
     {number(Zone, "Zone: "), {Level, " System EQ: ", "system EQ preset", 0, kPresets}}},
    {Command::PresetName,
     Subject::Preset,
     R"re(\[NEP(\d+)"(.*)"\])re",
     {number(Preset, "EQ Preset: "), {WholeName, " Name: ", "preset name"}}},
    {Command::PresetBand,
     Subject::Preset,
     R"re(\[EP(\d+)B(\d+)L(-?\d+)\])re",
     {number(Preset, "EQ: "), number(Band, " Band: "), bandLevel}},
    {Command::FavoriteName,
     Subject::Name,
     R"re(\[NF(\d+)"(.*)"\])re",
     {number(Favorite, "Favorite: "), {Name, " Name: ", "favorite name"}}},
    {Command::GroupName,
     Subject::Name,
     R"re(\[NG(\d+)"(.*)"\])re",
     {number(Group, "Group: "), {Name, " Name: ", "group name"}}},
    {Command::ZoneName,
     Subject::Name,
     R"re(\[NO(\d+)"(.*)"\])re",
     {number(Zone, "Zone: "), {Name, " Name: ", "zone name"}}},
    {Command::SourceName,
     Subject::Name,
     R"re(\[NI(\d+)"(.*)"\])re",
     {number(Source, "Source: "), {Name, " Name: ", "source name"}}},
    {Command::Restrict,
     Subject::Nothing,
     R"re(\[RPO(\d+)I(\d+)\])re",
     {number(Zone, "Restrict - Zone: "), number(Source, " Source: ")}},
    {Command::GroupMember,
     Subject::Membership,
     R"re(\[G(\d+)AO(\d+)\])re",
     {number(Group, "Group: "), number(Zone, " Zone: ")}},
    {Command::FavoriteConnection,
     Subject::Membership,
     R"re(\[F(\d+)AO(\d+)I(\d+)\])re",
     {number(Favorite, "Favorite: "), number(Zone, " - Zone: "), number(Source, " Source: ")}},
    {Command::FrontPanel,
     Subject::UnitSetting,
     R"re(\[FPL(\d+)\])re",
     {{{Flag, "Front Panel: ", "front-panel lock"}}}},
    {Command::IrLockout,
     Subject::UnitSetting,
     R"re(\[IRL(\d+)\])re",
     {{{Flag, "IR Lockout: ", "IR lockout"}}}},
    {Command::Display,
     Subject::UnitSetting,
     R"re(\[SD(\d+)\])re",
     {{{ClampedLevel, "Display: ", "display level", 0, kDisplayLevelMax}}}},
    {Command::Dhcp, Subject::UnitSetting, R"re(\[DHCP(\d+)\])re", {{{Flag, "DHCP: ", "DHCP"}}}},
    {Command::IpAddress,
     Subject::UnitSetting,
     R"re(\[IP(.*)\])re",
     {{{Text, "IP: ", "IP address"}}}},
    {Command::Netmask,
     Subject::UnitSetting,
     R"re(\[NM(.*)\])re",
     {{{Text, "Netmask: ", "netmask"}}}},
    {Command::Gateway,
     Subject::UnitSetting,
     R"re(\[GW(.*)\])re",
     {{{Text, "Gateway: ", "gateway"}}}},
    {Command::Request, Subject::Nothing, R"re(\[QXSB\])re", {}, false},
    {Command::ZoneSource,
     Subject::Nothing,
     R"re(\[CO(.*)\])re",
     {{{Text, "", "zone and source"}}},
     false},
}};

constexpr bool tableFollowsCommandOrder()
{
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (static_cast<std::size_t>(kCommands[i].command) != i)
            return false;
    return true;
}
static_assert(tableFollowsCommandOrder(), "commands must be listed in Command order");

} // namespace

const CommandDescription& commandDescription(Command command)
{
    return kCommands.at(static_cast<std::size_t>(command));
}

const std::string& dumpRequest()
{
    static const std::string line = commandLine(Command::Request, {});
    return line;
}

std::string commandLine(Command command, const CommandFields& fields)
{
    // The expression itself, with each group replaced by its field and each escaped character
    // written as itself.
    const std::string_view pattern = commandDescription(command).pattern;
    std::string line;
    std::size_t field = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '\\') {
            line += pattern[++i];
        } else if (pattern[i] == '(') {
            i = pattern.find(')', i);
            line += fields.at(field++);
        } else {
            line += pattern[i];
        }
    }
    return line;
}

} // namespace zel::model
