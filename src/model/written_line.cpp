#include "model/written_line.h"

#include "model/config_writer.h"

namespace zel::model {

std::string writtenField(FieldKind kind, std::string_view text)
{
    return kind == FieldKind::Name ? writtenName(std::string(text)) : std::string(text);
}

} // namespace zel::model
