// Feeds arbitrary bytes, as a damaged disk or a hand edit may leave them, through the readers of
// the files kept beside the configurations, and aborts when an invariant of records_invariants.h
// breaks.

#include "records_invariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string broken = zel::fuzz::checkRecordInvariants(input);
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
