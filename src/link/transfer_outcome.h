#pragma once
// How a transfer ended, and what it reports for the status line as it goes. The link reports;
// the window words it.

#include <QString>

namespace zel::link {

enum class TransferOutcome {
    Running,          // not finished yet
    Completed,        // import: the dump ended with "[QXSB]"; export: every line acknowledged
    TimedOut,         // no character or acknowledgement in time (serial import: quiet too long)
    ErrorReply,       // export: the unit answered "ERROR"
    ConnectionClosed, // the unit closed the connection
    LimitReached,     // the receive limit was reached before the end of the dump (import) or
                      // before an acknowledgement (export)
    NotOpen,          // the serial port is not open
    LinkFailed,       // the connection could not be made or a write failed: see errorText()
    Cancelled,        // cancel() was called
};

// Whether an import that ended this way has text to apply: all but the failures that happen
// before anything is received.
inline bool hasImportText(TransferOutcome outcome)
{
    return outcome != TransferOutcome::NotOpen && outcome != TransferOutcome::LinkFailed &&
           outcome != TransferOutcome::Running;
}

// Where a transfer stands, for the status line.
struct TransferStatus {
    enum class Stage {
        Connecting,          // an import has begun to connect to the unit
        ReceivingLines,      // an import's dump is coming in: `line` lines so far
        DroppingAfterCancel, // a cancelled import drops the rest of the unit's dump
        SendingLine,         // an export sends line `line` of `lineCount`
        ImportEnded,         // an import ended with `outcome`
        ExportEnded,         // an export ended with `outcome` at line `line` of `lineCount`
    };
    Stage stage = Stage::Connecting;
    QString peer;      // the other end: "host: H", "serial port: N", "file: P"
    bool file = false; // the other end is a file
    TransferOutcome outcome = TransferOutcome::Running;
    int line = 0; // from 1; 0 before the first
    int lineCount = 0;
    QString reason;          // why an ended transfer is not whole or stopped; empty when whole
    bool onlyEchoed = false; // a serial export took every line on a ")" or "]" alone
};

} // namespace zel::link
