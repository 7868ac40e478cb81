#pragma once
// What must hold for any bytes read as a configuration text: counts stay within -1..16, every
// written line is empty or bracketed and holds no line break, and the written text, read into a
// fresh model and written again, comes out the same. The check and the diff take the text too:
// every finding of the check names a line of the text, in line order, and a configuration and
// its export read back, written alike, show no differences. Shared by the fuzz target and the
// test that replays every seed, so that each input the fuzzer ever found stays a regression test.

#include <string>
#include <string_view>

namespace zel::fuzz {

// Runs `input` through the reader, the writer, the check and the diff and checks the invariants.
// Returns an empty text when all hold, else the invariant that broke.
std::string checkReaderInvariants(std::string_view input);

} // namespace zel::fuzz
