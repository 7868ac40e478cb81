#include "device_options.h"

#include "arguments.h"

#include <cmath>
#include <cstdlib>

namespace zel::tool {

namespace {

constexpr double kLongestTimeout = 3600.0; // seconds

} // namespace

std::optional<TransferOptions> transferOptionsOf(const Arguments& arguments, std::string& error)
{
    TransferOptions options;
    options.verbose = arguments.verbose;
    if (arguments.timeout) {
        const std::string& text = *arguments.timeout;
        char* end = nullptr;
        const double seconds = std::strtod(text.c_str(), &end);
        if (end != text.c_str() + text.size() || !std::isfinite(seconds) || seconds <= 0 ||
            seconds > kLongestTimeout) {
            error =
                "--timeout needs a number of seconds above 0 and at most 3600, not '" + text + "'";
            return std::nullopt;
        }
        options.responseTimeout =
            std::chrono::milliseconds(std::max<long long>(1, std::llround(seconds * 1000.0)));
    }
    return options;
}

std::optional<int> wholeNumberOption(const std::optional<std::string>& text, const char* name,
                                     int lowest, int highest, int fallback, std::string& error)
{
    if (!text)
        return fallback;
    char* end = nullptr;
    const long value = std::strtol(text->c_str(), &end, 10);
    if (text->empty() || end != text->c_str() + text->size() || value < lowest || value > highest) {
        error = std::string(name) + " needs a whole number from " + std::to_string(lowest) +
                " to " + std::to_string(highest) + ", not '" + *text + "'";
        return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace zel::tool
