#include "model/command_table.h"

#include <re2/re2.h>

#include <memory>

namespace zel::model {

namespace {

struct Expression {
    Command command;
    const char* pattern;
    // Log line: labels[i] before field i, for the fields the expression captures.
    int fieldCount;
    std::array<std::string_view, kMaxFields> labels;
    bool logged;
};

// Order matters only for lines holding several commands or stray text: the first match decides.
constexpr std::array<Expression, kCommandCount> kExpressions = {{
    {Command::Volume, R"re(\[VO(\d+)R(-?\d+)\])re", 2, {"Zone: ", " Volume: "}, true},
    {Command::ZoneEqBand,
     R"re(\[EO(\d+)B(\d+)L(-?\d+)\])re",
     3,
     {"Zone: ", " EQ: ", " Level: "},
     true},
    {Command::Tone,
     R"re(\[TO(\d+)B(-?\d+)T(-?\d+)\])re",
     3,
     {"Zone: ", " Bass: ", " Treble: "},
     true},
    {Command::BalanceLeft, R"re(\[BO(\d+)L(-?\d+)\])re", 2, {"Zone: ", " Left Balance: "}, true},
    {Command::BalanceRight, R"re(\[BO(\d+)R(-?\d+)\])re", 2, {"Zone: ", " Right Balance: "}, true},
    {Command::EqMode, R"re(\[EO(\d+)M(\d+)\])re", 2, {"Zone: ", " Mode: "}, true},
    {Command::Lowpass, R"re(\[EO(\d+)LP(\d+)\])re", 2, {"Zone: ", " Lowpass: "}, true},
    {Command::VolumeLock, R"re(\[VO(\d+)F(\d+)\])re", 2, {"Zone: ", " Locked: "}, true},
    {Command::SystemEqPreset, R"re(\[EO(\d+)P(\d+)\])re", 2, {"Zone: ", " System EQ: "}, true},
    {Command::PresetName, R"re(\[NEP(\d+)"(.*)"\])re", 2, {"EQ Preset: ", " Name: "}, true},
    {Command::PresetBand,
     R"re(\[EP(\d+)B(\d+)L(-?\d+)\])re",
     3,
     {"EQ: ", " Band: ", " Level: "},
     true},
    {Command::FavoriteName, R"re(\[NF(\d+)"(.*)"\])re", 2, {"Favorite: ", " Name: "}, true},
    {Command::GroupName, R"re(\[NG(\d+)"(.*)"\])re", 2, {"Group: ", " Name: "}, true},
    {Command::ZoneName, R"re(\[NO(\d+)"(.*)"\])re", 2, {"Zone: ", " Name: "}, true},
    {Command::SourceName, R"re(\[NI(\d+)"(.*)"\])re", 2, {"Source: ", " Name: "}, true},
    {Command::Restrict, R"re(\[RPO(\d+)I(\d+)\])re", 2, {"Restrict - Zone: ", " Source: "}, true},
    {Command::GroupMember, R"re(\[G(\d+)AO(\d+)\])re", 2, {"Group: ", " Zone: "}, true},
    {Command::FavoriteConnection,
     R"re(\[F(\d+)AO(\d+)I(\d+)\])re",
     3,
     {"Favorite: ", " - Zone: ", " Source: "},
     true},
    {Command::FrontPanel, R"re(\[FPL(\d+)\])re", 1, {"Front Panel: "}, true},
    {Command::IrLockout, R"re(\[IRL(\d+)\])re", 1, {"IR Lockout: "}, true},
    {Command::Display, R"re(\[SD(\d+)\])re", 1, {"Display: "}, true},
    {Command::Dhcp, R"re(\[DHCP(\d+)\])re", 1, {"DHCP: "}, true},
    {Command::IpAddress, R"re(\[IP(.*)\])re", 1, {"IP: "}, true},
    {Command::Netmask, R"re(\[NM(.*)\])re", 1, {"Netmask: "}, true},
    {Command::Gateway, R"re(\[GW(.*)\])re", 1, {"Gateway: "}, true},
    {Command::Request, R"re(\[QXSB\])re", 0, {}, false},
    {Command::ZoneSource, R"re(\[CO(.*)\])re", 1, {}, false},
}};

constexpr bool tableFollowsCommandOrder()
{
    for (std::size_t i = 0; i < kExpressions.size(); ++i)
        if (static_cast<std::size_t>(kExpressions[i].command) != i)
            return false;
    return true;
}
static_assert(tableFollowsCommandOrder(), "expressions must be listed in Command order");

// Compiled once, on first use. Latin-1 keeps every byte one character; RE2 matches in linear
// time, so hostile lines (megabytes, binary) cannot blow the stack or the clock.
const std::array<std::unique_ptr<RE2>, kCommandCount>& compiledExpressions()
{
    static const auto compiled = [] {
        RE2::Options options;
        options.set_encoding(RE2::Options::EncodingLatin1);
        options.set_case_sensitive(false);
        options.set_log_errors(false);
        std::array<std::unique_ptr<RE2>, kCommandCount> table;
        for (std::size_t i = 0; i < kExpressions.size(); ++i)
            table[i] = std::make_unique<RE2>(kExpressions[i].pattern, options);
        return table;
    }();
    return compiled;
}

const Expression& expressionOf(Command command)
{
    return kExpressions.at(static_cast<std::size_t>(command));
}

std::string_view toView(const re2::StringPiece& piece)
{
    return piece.data() ? std::string_view(piece.data(), piece.size()) : std::string_view();
}

} // namespace

std::optional<CommandMatch> matchCommand(std::string_view line)
{
    const re2::StringPiece text(line.data(), line.size());
    const auto& compiled = compiledExpressions();
    for (std::size_t i = 0; i < kExpressions.size(); ++i) {
        std::array<re2::StringPiece, kMaxFields + 1> groups; // whole match, then $1..$3
        const int groupCount = 1 + kExpressions[i].fieldCount;
        if (!compiled[i]->Match(text, 0, text.size(), RE2::UNANCHORED, groups.data(), groupCount))
            continue;
        return CommandMatch{kExpressions[i].command,
                            splitCaptures(toView(groups[1]), toView(groups[2]), toView(groups[3]))};
    }
    return std::nullopt;
}

bool matchesExpression(Command command, std::string_view line)
{
    const auto& regex = *compiledExpressions().at(static_cast<std::size_t>(command));
    return RE2::PartialMatch(re2::StringPiece(line.data(), line.size()), regex);
}

std::string_view commandPattern(Command command)
{
    return expressionOf(command).pattern;
}

std::optional<std::string> logLine(const CommandMatch& match)
{
    const Expression& expression = expressionOf(match.command);
    if (!expression.logged)
        return std::nullopt;
    std::string text;
    for (int i = 0; i < expression.fieldCount; ++i) {
        text += expression.labels[static_cast<std::size_t>(i)];
        text += match.fields[static_cast<std::size_t>(i)];
    }
    return text;
}

CommandFields splitCaptures(std::string_view first, std::string_view second, std::string_view third)
{
    constexpr char kSeparator = '\xFF';
    std::string joined;
    joined.reserve(first.size() + second.size() + third.size() + 3);
    joined.append(first).append(1, kSeparator);
    joined.append(second).append(1, kSeparator);
    joined.append(third).append(1, kSeparator);

    CommandFields fields;
    std::string_view rest = joined;
    for (std::string& field : fields) {
        const std::size_t end = rest.find(kSeparator); // always found: the text ends with one
        field.assign(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    return fields;
}

} // namespace zel::model
