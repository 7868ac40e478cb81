#pragma once
// Time limits and the size limit of the import and export transfers. The defaults are the
// unit's; tests shorten them.

#include <QtGlobal>

#include <chrono>

namespace zel::link {

struct TransferSettings {
    // The response timer: how long a transfer waits for the unit's next character (telnet
    // import) or for its acknowledgement of a line (export).
    std::chrono::milliseconds responseTimeout{30000};
    // A serial import ends when no byte has arrived for this long.
    std::chrono::milliseconds serialQuietTime{4000};
    // After a cancelled serial import, the longest wait for the unit to finish sending its dump
    // before the port is handed back; a second cancel ends the wait at once.
    std::chrono::milliseconds cancelDrainLimit{2000};
    // The pauses an export makes before it starts and after the telnet handshake.
    std::chrono::milliseconds settleTime{100};
    // The most bytes an import takes, and the most an export takes while it waits for one
    // acknowledgement; a configuration is a few kilobytes, an acknowledgement a few bytes.
    qint64 receiveLimit = 1024 * 1024;
};

} // namespace zel::link
