#include "model/stored_value.h"

#include "model/config_reader.h"
#include "model/number_text.h"

namespace zel::model {

bool storesValue(const CommandMatch& match)
{
    if (!setsModel(match.command))
        return false;
    for (std::size_t i = 0; i < kMaxFields; ++i) {
        const Field& field = commandField(match.command, i);
        const std::string& text = match.fields[i];
        switch (field.kind) {
        case FieldKind::Zone:
        case FieldKind::Source:
        case FieldKind::Favorite:
        case FieldKind::Group:
        case FieldKind::Preset:
        case FieldKind::Band: {
            const std::optional<int32_t> number = parseInt32(text);
            if (!number || *number < field.low || *number > field.high)
                return false;
            break;
        }
        case FieldKind::Name:
        case FieldKind::WholeName:
        case FieldKind::Text:
            if (text.empty())
                return false;
            break;
        default:
            break;
        }
    }
    return true;
}

} // namespace zel::model
