#pragma once
// The lines the transfers log into the configuration text box, and the error of a connection
// that is not answered. The status line is worded by whoever shows it, from what the transfers
// report.

#include <QString>

#include <chrono>

namespace zel::link::texts {

inline const QString kCommandTimeout = QStringLiteral("Command Time out occured.  Aborting.");
inline const QString kErrorReply = QStringLiteral("Got ERROR response.  Aborting.");
inline const QString kConnectionClosed = QStringLiteral("Connection closed by host.  Aborting.");
inline const QString kSerialPortLost = QStringLiteral("Serial port lost.  Aborting.");
inline const QString kSerialNotOpen = QStringLiteral("Serial port not open.  Nothing sent.");
inline const QString kCancelled = QStringLiteral("Transfer cancelled.  Aborting.");
// A serial export that took every line on a ")" or "]" alone (an echo), none on "(line)".
inline const QString kOnlyEchoed =
    QStringLiteral("No line came back as (...), the form a unit acknowledges with; each was "
                   "taken on a \")\" or \"]\" alone.");
// Why a transfer ended when the unit closed the connection before it sent anything.
inline const QString kClosedAtOnceWhy =
    QStringLiteral("the unit closed the connection at once: another program may hold its session");
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

// After a cancelled serial import: what the unit sent on until the end of its configuration.
QString droppedAfterCancelLine(qint64 bytes);
// After an import over TCP whose server opened a telnet subnegotiation and never ended it.
QString unfinishedNegotiationLine(qint64 bytes);

} // namespace zel::link::texts
