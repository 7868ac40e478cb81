#pragma once
// How a transfer ended.

namespace zel::link {

enum class TransferOutcome {
    Running,          // not finished yet
    Completed,        // import: the dump ended with "[QXSB]"; export: every line acknowledged
    TimedOut,         // no character or acknowledgement in time (serial import: quiet too long)
    ErrorReply,       // export: the unit answered "ERROR"
    ConnectionClosed, // the unit closed the connection
    LimitReached,     // import: the receive limit was reached before the end of the dump
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

} // namespace zel::link
