#pragma once
// A configuration kept earlier, as the History dialog offers it to be opened, compared or
// restored: a journal entry's text, or a site unit's file at a commit of its site's history.
// The window does the same with either; this says how each is named in its questions, its
// comparison's heading and its status line.

#include "journal/journal_entry.h"
#include "session/restore/unit_history.h"

#include <QString>

namespace zel::ui {

struct KeptConfiguration {
    QString text; // "\n" line ends
    // "the journal entry", "the commit 1a2b3c4": what Open asks about before edits are lost.
    QString name;
    // Not empty: it holds only the parts that were sent, so it is compared but never opened or
    // restored as a whole configuration; this says why.
    QString partialReason;
    // Not empty: a fetch that did not come whole, and how it ended.
    QString cutReason;
    // Why it is not whole, for a comparison's heading; empty when it is.
    QString compareNotWhole;
    // What a comparison names it: "the journal entry from tcp:192.0.2.7:23 at ...".
    QString compareSource;
    // What the Restore question names it: "the configuration read from ... at ...".
    QString restoreWhat;
    // The status line after Open, a blank first.
    QString openedStatus;
};

// A journal entry and its text.
KeptConfiguration keptJournalEntry(const journal::Entry& entry, const QString& text);
// The configuration of the site unit named `unitName` at a commit of its site's history.
KeptConfiguration keptCommit(const session::UnitVersion& version, const QString& unitName);

} // namespace zel::ui
