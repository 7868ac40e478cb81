#pragma once
// How a write to one of the shared per-user files went (the journal, the unit directory), so
// that a caller can tell the kinds apart: a busy lock is tried again later, a full disk is told,
// a file that cannot be read is left as it is.

#include <QString>

namespace zel::text {

struct FileResult {
    enum class Kind {
        Done,
        Busy,        // another program holds the lock: try again in a moment
        WriteFailed, // a file or the lock file could not be written (a full disk)
        Unreadable,  // the file is there but cannot be read: left as it is
        Missing,     // there is no data folder, or no such entry or file
    };
    Kind kind = Kind::Done;
    QString text; // what went wrong, in a few words; empty when done

    bool done() const { return kind == Kind::Done; }
};

} // namespace zel::text
