#pragma once
// Keeps every configuration zeltool reads from or sends to a unit in the unit journal. A journal
// that cannot be written never stops a transfer: standard error says so, once per run.

#include "device_transfers.h"
#include "link_target.h"

#include "journal/journal_entry.h"

#include <QString>

#include <string>
#include <vector>

namespace zel::tool {

// The unit as journal entries name it (link::unitName()): "tcp:HOST:PORT" or "serial:DEVICE".
QString journalUnit(const LinkTarget& target);

// What was read from the unit, or sent to it, kept with why (`cause`).
void journalImport(const LinkTarget& target, const ImportResult& result, journal::Cause cause);
// `partial` when `lines` are chosen parts (changes only), not a whole configuration.
void journalExport(const LinkTarget& target, const std::vector<std::string>& lines,
                   const ExportResult& result, bool partial, journal::Cause cause);

} // namespace zel::tool
