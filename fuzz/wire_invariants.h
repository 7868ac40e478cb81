#pragma once
// What must hold for any bytes a unit sends: the telnet negotiation filter gives the same data
// however the bytes are split across reads, and never more than came; the received-character
// rule keeps only printable characters and line breaks, one per line end; the dump matcher
// completes only on "[QXSB]"; the handshake-reply reader passes on a subsequence of what came,
// all of it when the answer is not there; the reply reader of a telnet export acknowledges only
// when the expected reply has come, rejects only after "ERROR", and ends the error line in a
// bounded number of bytes. Shared by the fuzz target and the test that replays its seeds.

#include <string>
#include <string_view>

namespace zel::fuzz {

// Feeds `input` through every reader of the bytes from the wire and checks the invariants.
// Returns an empty text when all hold, else the invariant that broke.
std::string checkWireInvariants(std::string_view input);

} // namespace zel::fuzz
