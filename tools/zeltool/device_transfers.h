#pragma once
// The link layer's import and export transfers, run to their end for a command-line program.
// Each call runs an event loop until its transfer finishes; a QCoreApplication must exist. What
// went to or came from the unit is kept in the unit journal.

#include "link_target.h"

#include "journal/journal_entry.h"
#include "link/transfer_outcome.h"

#include <chrono>
#include <string>
#include <vector>

namespace zel::tool {

struct TransferOptions {
    std::chrono::milliseconds responseTimeout{30000}; // for each character or acknowledgement
    bool verbose = false;                             // the transfer log on standard error
};

struct ImportResult {
    link::TransferOutcome outcome = link::TransferOutcome::Running;
    std::string text;  // what was received, after the received-character rule; "\n" line ends
    std::string error; // why the link failed (LinkFailed, NotOpen)
    // Why an import that brought text is not whole, in the transfer's words; empty when whole.
    std::string incompleteReason;
    // What a whole configuration sets and the text that came did not, when the dump ended: a
    // device that only echoes ends "[QXSB]" too. Empty when it came whole.
    std::string notWhole;

    // The dump ended and what came is a whole configuration.
    bool whole() const { return outcome == link::TransferOutcome::Completed && notWhole.empty(); }
};

struct ExportResult {
    link::TransferOutcome outcome = link::TransferOutcome::Running;
    int line = 0;                 // the line sent last, from 1, counting the empty lines too
    int lineCount = 0;            // lines of the text, the empty ones included
    int acknowledged = 0;         // config lines acknowledged
    int lastAcknowledgedLine = 0; // the line acknowledged last, counted as `line` is; 0: none
    int acknowledgedInForm = 0;   // acknowledgements that held the line between parentheses
    std::string error;            // why the link failed (LinkFailed, NotOpen, a lost connection)
};

// Reads the unit's configuration; the journal keeps it as read for `cause`.
ImportResult importConfiguration(const LinkTarget& target, const TransferOptions& options,
                                 journal::Cause cause);

// What is sent: a whole configuration, or chosen parts of one (the journal keeps them apart).
enum class SendKind { Whole, Partial };

// Sends `lines` (the writer's text) line by line, kept in the journal as sent for `cause`. On a
// terminal, standard error shows "Sending line i of M" as the lines go.
ExportResult exportConfiguration(const LinkTarget& target, const std::vector<std::string>& lines,
                                 const TransferOptions& options, SendKind kind,
                                 journal::Cause cause);

// Whether a transfer ended without reaching the unit: the connection or the port failed.
bool linkFailed(link::TransferOutcome outcome);

// What cut an import short that reached the unit: "no character for 30 seconds", ...
std::string importProblem(const ImportResult& result, const LinkTarget& target,
                          const TransferOptions& options);

// Whether a person watches standard error (a terminal, not a file or a pipe): progress is shown
// only then.
bool standardErrorIsATerminal();

// A time as messages show it: "30", "0.5".
std::string secondsText(std::chrono::milliseconds time);

} // namespace zel::tool
