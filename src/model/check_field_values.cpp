#include "model/check_field_values.h"

#include "model/carried_text.h"
#include "model/check_line_text.h"
#include "model/command_language.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/number_text.h"

#include <algorithm>

namespace zel::model {

namespace {

bool isTableNumber(FieldKind kind)
{
    return kind >= FieldKind::Zone && kind <= FieldKind::Band;
}

bool isLevel(FieldKind kind)
{
    return kind >= FieldKind::Level && kind <= FieldKind::WholeNumber;
}

int keptValue(const Field& field, int32_t value)
{
    switch (field.kind) {
    case FieldKind::ReversedLevel:
        return -lowByte(-static_cast<int64_t>(value));
    case FieldKind::ClampedLevel:
        return std::clamp<int>(lowByte(value), field.low, field.high);
    case FieldKind::WholeNumber:
        return value;
    default:
        return lowByte(value);
    }
}

} // namespace

bool numbersFit(Command command, const CommandFields& fields)
{
    if (!setsModel(command))
        return true;
    for (std::size_t i = 0; i < kMaxFields; ++i) {
        const FieldKind kind = commandField(command, i).kind;
        if ((isTableNumber(kind) || isLevel(kind)) && !parseInt32(fields[i]))
            return false;
    }
    return true;
}

int keptLevel(const CommandMatch& match, std::size_t i)
{
    return keptValue(commandField(match.command, i), toInt32(match.fields[i]));
}

std::string keptText(const CommandMatch& match, std::size_t i)
{
    const std::string& text = match.fields[i];
    switch (commandField(match.command, i).kind) {
    case FieldKind::Flag:
        return text == "1" ? "1" : "0";
    case FieldKind::Name:
        return text.substr(0, kNameLength);
    case FieldKind::WholeName:
    case FieldKind::Text:
        return text;
    default:
        return std::to_string(keptLevel(match, i));
    }
}

std::string outsideRange(const Field& field, const std::string& text)
{
    return std::string(field.name) + " " + text + " is outside " + std::to_string(field.low) +
           ".." + std::to_string(field.high);
}

std::vector<std::string> valueProblems(const CommandMatch& match)
{
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < kMaxFields; ++i) {
        const Field& field = commandField(match.command, i);
        const std::string& text = match.fields[i];
        if (field.kind == FieldKind::Flag && text != "0" && text != "1")
            problems.push_back(std::string(field.name) + " \"" + text +
                               "\" reads as off, only \"1\" means on");
        if (field.kind == FieldKind::Name && text.size() > static_cast<std::size_t>(kNameLength))
            problems.push_back(std::string(field.name) + " is cut to 16 characters: " +
                               quotedLine(text.substr(0, kNameLength)));
        if (!isLevel(field.kind))
            continue;
        const int32_t value = toInt32(text);
        if (value >= field.low && value <= field.high)
            continue;
        std::string message = outsideRange(field, text);
        if (keptLevel(match, i) != value)
            message += " (it is kept as " + std::to_string(keptLevel(match, i)) + ")";
        problems.push_back(std::move(message));
    }
    return problems;
}

std::vector<std::string> carriedProblems(const CommandMatch& match)
{
    std::vector<std::string> problems;
    if (!setsModel(match.command))
        return problems;
    for (std::size_t i = 0; i < kMaxFields; ++i) {
        const FieldKind kind = commandField(match.command, i).kind;
        if (kind != FieldKind::Name && kind != FieldKind::WholeName && kind != FieldKind::Text)
            continue;
        const std::string text = keptText(match, i);
        if (std::string reason = uncarriedReason(text); !reason.empty())
            problems.push_back(describeUncarried(
                {std::string(commandField(match.command, i).name), text, std::move(reason)}));
    }
    return problems;
}

} // namespace zel::model
