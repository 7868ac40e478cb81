#include "model/number_text.h"

#include <limits>

namespace zel::model {

std::optional<int32_t> parseInt32(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty())
        return std::nullopt;

    // The magnitude is checked after every digit, so a number of any length stops at once.
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

int32_t toInt32(std::string_view text)
{
    if (const std::optional<int32_t> value = parseInt32(text))
        return *value;
    throw NumberError("not a 32-bit decimal number");
}

} // namespace zel::model
