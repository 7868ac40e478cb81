#include "model/number_text.h"

#include <limits>

namespace zel::model {

int32_t toInt32(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty())
        throw NumberError("not a number");

    // The magnitude is checked after every digit, so a number of any length stops at once.
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            throw NumberError("not a number");
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            throw NumberError("number out of range");
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

} // namespace zel::model
