#pragma once
// Transfer time limits for tests: short, so that the failure cases stay quick.

#include "link/transfer_settings.h"

#include <chrono>

namespace zel::test {

inline link::TransferSettings quickSettings()
{
    link::TransferSettings settings;
    settings.responseTimeout = std::chrono::milliseconds(2000);
    settings.serialQuietTime = std::chrono::milliseconds(300);
    settings.settleTime = std::chrono::milliseconds(5);
    return settings;
}

} // namespace zel::test
