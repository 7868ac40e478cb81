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

} // namespace zel::tool
