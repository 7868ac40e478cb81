// Feeds arbitrary bytes, as a unit might send them, through every reader of the bytes from the
// wire, and aborts when one of the invariants of wire_invariants.h breaks.

#include "wire_invariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string broken = zel::fuzz::checkWireInvariants(input);
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
