#include "model/command_table.h"

#include <re2/re2.h>

#include <memory>

namespace zel::model {

namespace {

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
        for (std::size_t i = 0; i < kCommandCount; ++i)
            table[i] =
                std::make_unique<RE2>(commandDescription(static_cast<Command>(i)).pattern, options);
        return table;
    }();
    return compiled;
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
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto command = static_cast<Command>(i);
        std::array<re2::StringPiece, kMaxFields + 1> groups; // whole match, then $1..$3
        const int groupCount = 1 + static_cast<int>(commandDescription(command).fieldCount());
        if (!compiled[i]->Match(text, 0, text.size(), RE2::UNANCHORED, groups.data(), groupCount))
            continue;
        return CommandMatch{command,
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
    return commandDescription(command).pattern;
}

std::optional<std::string> logLine(const CommandMatch& match)
{
    const CommandDescription& description = commandDescription(match.command);
    if (!description.logged)
        return std::nullopt;
    std::string text;
    for (std::size_t i = 0; i < description.fieldCount(); ++i)
        text.append(description.fields[i].logLabel).append(match.fields[i]);
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
