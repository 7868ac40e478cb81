#pragma once
// The remark lines that open every text the journal keeps, so that the text says itself what it
// is: the unit, the time, the kind, how it ended, whether the user keeps it. The configuration
// reader passes over lines that do not begin with "[", so the text still reads as the
// configuration it holds; the journal's index is rebuilt from these lines when it is lost.
//
//   ; zelconfig unit journal entry
//   ; time: 2026-03-01T10:15:02.120Z
//   ; kind: whole fetch
//   ; unit: tcp:192.0.2.7:23
//   ; cause: site backup
//   ; lines: 495
//   ; end of entry header

#include "journal/journal_entry.h"

#include <QByteArray>

#include <optional>

namespace zel::journal {

// A header is read from no more than this many bytes at the start of a text.
constexpr qsizetype kHeaderReadLimit = 16 * 1024;

// The header of `entry` (its time, kind, unit, cause, ending, identity, kept and configLines), CR
// LF line ends.
QByteArray entryHeader(const Entry& entry);

struct HeaderRead {
    Entry entry;             // time, kind, unit, cause, ending, identity, kept and configLines
    qsizetype bodyStart = 0; // where the configuration text begins
};

// The header `bytes` begin with; nothing when they begin with none (a text kept before texts
// named themselves) or with one that is cut or does not say its time and kind.
std::optional<HeaderRead> readEntryHeader(const QByteArray& bytes);

} // namespace zel::journal
