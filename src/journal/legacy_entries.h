#pragma once
// Entries kept before each text named itself in a header: what their texts and file names still
// say, so that a journal made then is read in full, its index lost or not.

#include "journal/journal_entry.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zel::journal {

// Whether a text sent before sends were marked whole or partial holds less than a whole
// configuration: every whole one the program writes has the panel, preset, favorite, group and
// network lines, while one that sent only what changed lacks some of them.
bool lacksWholeConfiguration(const QByteArray& text);

// The entry of a text without a header and without an index entry: its time and direction from
// its file name ("20260301-101502-120-from.zel"), whether a fetch came whole from the dump's end
// ("[QXSB]") in it, whether a send was partial from lacksWholeConfiguration(); a send is taken
// as stopped, since whether every line was acknowledged is not known. Nothing when the name is
// not one the journal gives.
std::optional<Entry> entryFromLegacyText(const QString& fileName, const QByteArray& text);

// Lines of `text` that begin with "[": what the reader would read.
int countConfigLines(const QByteArray& text);

} // namespace zel::journal
