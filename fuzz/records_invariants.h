#pragma once
// What must hold for any bytes in the files the program keeps beside the configurations, as a
// damaged disk or a hand edit may leave them: a site file, a journal text's opening remark lines,
// the journal's index, the unit directory ("units.json") and a typed address range. Each reads
// without a crash; what reads as valid is written back so that it reads again the same; the
// index never names a file outside the journal folder; a range never ends before it begins.
// Shared by the fuzz target and the test that replays its seeds.
//
// The first byte chooses the reader: 'S' site file, 'H' journal text, 'I' index, 'U' unit
// directory, 'A' address range (any other byte chooses one too); the rest is its input.

#include <string>
#include <string_view>

namespace zel::fuzz {

// Returns an empty text when all hold, else the invariant that broke.
std::string checkRecordInvariants(std::string_view input);

} // namespace zel::fuzz
