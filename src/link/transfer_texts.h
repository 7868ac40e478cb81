#pragma once
// Lines and status texts the transfers show in the configuration text box and the status line.

#include "link/transfer_outcome.h"

#include <QString>

#include <chrono>

namespace zel::link::texts {

inline const QString kCommandTimeout = QStringLiteral("Command Time out occured.  Aborting.");
inline const QString kErrorReply = QStringLiteral("Got ERROR response.  Aborting.");
inline const QString kConnectionClosed = QStringLiteral("Connection closed by host.  Aborting.");
inline const QString kSerialPortLost = QStringLiteral("Serial port lost.  Aborting.");
inline const QString kSerialNotOpen = QStringLiteral("Serial port not open.  Nothing sent.");
inline const QString kCancelled = QStringLiteral("Transfer cancelled.  Aborting.");
inline const QString kComplete = QStringLiteral(" Complete");
// A serial export that took every line on a ")" or "]" alone (an echo), none on "(line)".
inline const QString kOnlyEchoed =
    QStringLiteral("No line came back as (...), the form a unit acknowledges with; each was "
                   "taken on a \")\" or \"]\" alone.");
inline const QString kCompleteOnlyEchoed =
    QStringLiteral(" Complete, but no line came back as (...), the form a unit acknowledges with");
inline const QString kSending = QStringLiteral("Sending: ");
inline const QString kWaitingFor = QStringLiteral("Waiting for: ");

// A time as the texts show it: "30", "0.5".
QString secondsText(std::chrono::milliseconds time);
// "Breaking; no response in 30 seconds", with the response time the transfer waited.
QString noResponseLine(std::chrono::milliseconds time);
// "Breaking; received N bytes without the end of the configuration"
QString receiveLimitLine(qint64 limit);
// The error of a connection attempt the host did not answer within `time`.
QString connectTimeoutError(std::chrono::milliseconds time);
// "Breaking; received N bytes without an acknowledgement"
QString replyLimitLine(qint64 limit);
// Between transfers, when a unit sent the receive limit unasked: the rest is dropped.
QString unaskedLimitLine(qint64 limit);
// " Dropping what " peer " sends unasked (more than N bytes)"
QString unaskedLimitStatus(const QString& peer, qint64 limit);
// " Sending line i of M"
QString sendingLineStatus(int line, int lineCount);

// After a cancelled serial import: what the unit sent on until the end of its configuration.
QString droppedAfterCancelLine(qint64 bytes);
inline const QString kDroppingAfterCancel =
    QStringLiteral(" Import cancelled: waiting for the unit to finish sending");

// How an import from `peer` ("host: H", "serial port: N") ended: " Import complete from ...",
// " Import incomplete from ... (why)", or " Import failed from ...".
QString importEndStatus(TransferOutcome outcome, const QString& peer, const QString& why);

// " Nothing imported from " peer: what came held no line that sets anything.
QString nothingImportedStatus(const QString& peer);

// How an export ended: " Complete", " Export cancelled at line i of M", or " Export stopped at
// line i of M: why" (" ... before the first line" when no line was sent yet).
QString exportEndStatus(TransferOutcome outcome, int line, int lineCount, const QString& why);

} // namespace zel::link::texts
