#pragma once
// One configuration that went between this computer and a unit, as the journal keeps it.

#include <QDateTime>
#include <QString>

#include <optional>

namespace zel::journal {

enum class Direction { FromUnit, ToUnit };

// What an entry holds, as lists name it.
enum class Kind {
    WholeFetch,            // the unit's configuration, as it held it
    IncompleteFetch,       // a fetch that was cancelled or cut short: part of it at most
    WholeSend,             // a whole configuration, every line acknowledged
    IncompleteSend,        // a whole configuration whose sending stopped part-way
    PartialSend,           // chosen parts only (changes only, Send Selected), all acknowledged
    IncompletePartialSend, // chosen parts whose sending stopped part-way
    LiveSend,              // the lines live mode sent, every one acknowledged
    IncompleteLiveSend,    // the lines live mode sent, some not acknowledged
};

// Why an entry was made, as lists and the header name it. Entries kept before causes were
// written have none.
enum class Cause {
    None,         // not said (an entry kept before causes were written)
    Import,       // Import from the unit
    Export,       // Export: the whole configuration sent
    SendSelected, // Send Selected or a send of the changes only
    AsFound,      // the read before a send, of what the unit held then
    Compare,      // the read of Compare with Unit
    SiteBackup,   // a site's Back Up run
    SiteVerify,   // a site's Verify run
    LiveStart,    // the read that starts live mode
    LiveRead,     // live mode's reads while it runs
    LiveEdit,     // the lines live mode sent
    LiveEnd,      // the read that ends live mode
    Restore,      // a kept configuration sent back to the unit
};

struct Entry {
    QDateTime time; // when the transfer ended, UTC
    Direction direction = Direction::FromUnit;
    QString unit;         // as link::unitName() names it: "tcp:HOST:PORT" or "serial:DEVICE"
    bool whole = false;   // the dump ended as it should / every line was acknowledged
    bool partial = false; // a send of chosen parts only: never a whole configuration
    bool live = false;    // the lines live mode sent, one edit after another (partial too)
    QString ending;       // how it ended when not whole: "cancelled", "time-out at line 3 of 9"
    QString identity;     // the unit's fingerprint when the caller knows it; empty when not
    Cause cause = Cause::None; // why the entry was made
    bool kept = false;         // the user keeps it: the journal's bound never removes it
    int configLines = 0;       // lines of the text that begin with "["
    QString file;              // the text's file name in the journal folder
    qint64 size = 0;           // the text file's size in bytes
};

// "from" or "to", as lists show the direction.
QString directionWord(Direction direction);

Kind kindOf(const Entry& entry);
// "whole fetch", "incomplete fetch", "whole send", "incomplete send", "partial send",
// "incomplete partial send", "live send", "incomplete live send".
QString kindText(Kind kind);
// The kind of a header's or an index's "kind" text; nothing for a text it does not know.
std::optional<Kind> kindFromText(const QString& text);
// Sets the entry's direction, whole, partial and live as `kind` says.
void setKind(Entry& entry, Kind kind);

// "import", "export", "Send Selected", "as found before a send", "compare", "site backup",
// "site verify", "live start", "live read", "live edit", "live end", "restore"; empty for None.
// The journal's own words: headers and the index keep them as they stand.
QString causeText(Cause cause);
// The cause a header's or an index's "cause" text names; None for a text it does not know.
Cause causeFromText(const QString& text);

// Whether the entry's text is a configuration as a whole one: it may be opened into the editor
// or sent back. A partial send holds only what was chosen to send.
bool holdsWholeConfiguration(const Entry& entry);

// The entry's kind, and how it ended when not whole: "whole fetch", "incomplete fetch:
// cancelled", "partial send".
QString summaryText(const Entry& entry);

// How it ended: "came whole" or "every line acknowledged", or the ending ("stopped" when none
// was given).
QString endingText(const Entry& entry);

} // namespace zel::journal
