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
     R"re(\[VO(\d+)R(-?\d+)\])re",
     {number(Zone, "Zone: "), {Level, " Volume: ", "volume", -80, 0}}},
    {Command::ZoneEqBand,
     R"re(\[EO(\d+)B(\d+)L(-?\d+)\])re",
     {number(Zone, "Zone: "), number(Band, " EQ: "), bandLevel}},
    {Command::Tone,
     R"re(\[TO(\d+)B(-?\d+)T(-?\d+)\])re",
     {number(Zone, "Zone: "), tone(" Bass: ", "bass"), tone(" Treble: ", "treble")}},
    {Command::BalanceLeft,
     R"re(\[BO(\d+)L(-?\d+)\])re",
     {number(Zone, "Zone: "), balance(ReversedLevel, " Left Balance: ", "left balance")}},
    {Command::BalanceRight,
     R"re(\[BO(\d+)R(-?\d+)\])re",
     {number(Zone, "Zone: "), balance(Level, " Right Balance: ", "right balance")}},
    {Command::EqMode,
     R"re(\[EO(\d+)M(\d+)\])re",
     {number(Zone, "Zone: "), {Level, " Mode: ", "EQ mode", kEqModeDisabled, kEqModeLowpass}}},
    {Command::Lowpass,
     R"re(\[EO(\d+)LP(\d+)\])re",
     {number(Zone, "Zone: "), {WholeNumber, " Lowpass: ", "lowpass", 40, 240}}},
    {Command::VolumeLock,
     R"re(\[VO(\d+)F(\d+)\])re",
     {number(Zone, "Zone: "), {Flag, " Locked: ", "volume lock"}}},
    {Command::SystemEqPreset,
     R"re(\[EO(\d+)P(\d+)\])re",
     {number(Zone, "Zone: "), {Level, " System EQ: ", "system EQ preset", 0, kPresets}}},
    {Command::PresetName,
     R"re(\[NEP(\d+)"(.*)"\])re",
     {number(Preset, "EQ Preset: "), {WholeName, " Name: ", "preset name"}}},
    {Command::PresetBand,
     R"re(\[EP(\d+)B(\d+)L(-?\d+)\])re",
     {number(Preset, "EQ: "), number(Band, " Band: "), bandLevel}},
    {Command::FavoriteName,
     R"re(\[NF(\d+)"(.*)"\])re",
     {number(Favorite, "Favorite: "), {Name, " Name: ", "favorite name"}}},
    {Command::GroupName,
     R"re(\[NG(\d+)"(.*)"\])re",
     {number(Group, "Group: "), {Name, " Name: ", "group name"}}},
    {Command::ZoneName,
     R"re(\[NO(\d+)"(.*)"\])re",
     {number(Zone, "Zone: "), {Name, " Name: ", "zone name"}}},
    {Command::SourceName,
     R"re(\[NI(\d+)"(.*)"\])re",
     {number(Source, "Source: "), {Name, " Name: ", "source name"}}},
    {Command::Restrict,
     R"re(\[RPO(\d+)I(\d+)\])re",
     {number(Zone, "Restrict - Zone: "), number(Source, " Source: ")}},
    {Command::GroupMember,
     R"re(\[G(\d+)AO(\d+)\])re",
     {number(Group, "Group: "), number(Zone, " Zone: ")}},
    {Command::FavoriteConnection,
     R"re(\[F(\d+)AO(\d+)I(\d+)\])re",
     {number(Favorite, "Favorite: "), number(Zone, " - Zone: "), number(Source, " Source: ")}},
    {Command::FrontPanel, R"re(\[FPL(\d+)\])re", {{{Flag, "Front Panel: ", "front-panel lock"}}}},
    {Command::IrLockout, R"re(\[IRL(\d+)\])re", {{{Flag, "IR Lockout: ", "IR lockout"}}}},
    {Command::Display,
     R"re(\[SD(\d+)\])re",
     {{{ClampedLevel, "Display: ", "display level", 0, kDisplayLevelMax}}}},
    {Command::Dhcp, R"re(\[DHCP(\d+)\])re", {{{Flag, "DHCP: ", "DHCP"}}}},
    {Command::IpAddress, R"re(\[IP(.*)\])re", {{{Text, "IP: ", "IP address"}}}},
    {Command::Netmask, R"re(\[NM(.*)\])re", {{{Text, "Netmask: ", "netmask"}}}},
    {Command::Gateway, R"re(\[GW(.*)\])re", {{{Text, "Gateway: ", "gateway"}}}},
    {Command::Request, R"re(\[QXSB\])re", {}, false},
    {Command::ZoneSource, R"re(\[CO(.*)\])re", {{{Text, "", "zone and source"}}}, false},
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
