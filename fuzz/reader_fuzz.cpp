// Feeds arbitrary bytes through the reader as a configuration text, then through the writer, the
// check and the diff, and aborts when one of the invariants of reader_invariants.h breaks (an
// exception that escapes aborts too).

#include "reader_invariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string broken = zel::fuzz::checkReaderInvariants(input);
    if (!broken.empty()) {
        std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
