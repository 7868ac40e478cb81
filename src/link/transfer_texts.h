#pragma once
// Lines and status texts the transfers show in the configuration text box and the status line.

#include <QString>

namespace zel::link::texts {

inline const QString kNoResponse = QStringLiteral("Breaking; no response in 30 seconds");
inline const QString kCommandTimeout = QStringLiteral("Command Time out occured.  Aborting.");
inline const QString kErrorReply = QStringLiteral("Got ERROR response.  Aborting.");
inline const QString kConnectionClosed = QStringLiteral("Connection closed by host.  Aborting.");
inline const QString kSerialPortLost = QStringLiteral("Serial port lost.  Aborting.");
inline const QString kSerialNotOpen = QStringLiteral("Serial port not open.  Nothing sent.");
inline const QString kCancelled = QStringLiteral("Transfer cancelled.  Aborting.");
inline const QString kComplete = QStringLiteral(" Complete");
inline const QString kSending = QStringLiteral("Sending: ");
inline const QString kWaitingFor = QStringLiteral("Waiting for: ");

// "Breaking; received N bytes without the end of the configuration"
QString receiveLimitLine(qint64 limit);
// " Sending line i of M"
QString sendingLineStatus(int line, int lineCount);

} // namespace zel::link::texts
