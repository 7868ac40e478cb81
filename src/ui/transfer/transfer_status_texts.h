#pragma once
// The status line's texts for the transfers, worded from what they report: where a transfer
// stands, how it ended, and what the serial port brings between transfers.

#include "link/transfer_outcome.h"

#include <QCoreApplication>
#include <QString>

namespace zel::ui::status {

// Translated where shown.
inline constexpr char kComplete[] = QT_TRANSLATE_NOOP("Transfer", " Complete");
inline constexpr char kCompleteOnlyEchoed[] = QT_TRANSLATE_NOOP(
    "Transfer", " Complete, but no line came back as (...), the form a unit acknowledges with");
inline constexpr char kDroppingAfterCancel[] =
    QT_TRANSLATE_NOOP("Transfer", " Import cancelled: waiting for the unit to finish sending");

// What a fetch is for, as the status line says while it runs.
enum class Fetching {
    Import,        // " Importing from H"
    Comparison,    // " Comparing with H"
    ReadBeforeSend // " Reading H before anything is sent to it"
};

// The status line for `status`: " Importing from H", " Importing N lines from H",
// " Sending line i of M", " Import complete from H", " Export stopped at line i of M: why", ...
// A running fetch is worded for what it is for.
QString transferStatusText(const link::TransferStatus& status,
                           Fetching fetching = Fetching::Import);

// " Sending line i of M"
QString sendingLineStatus(int line, int lineCount);
// How an import from `peer` ("host: H", "serial port: N") ended: " Import complete from ...",
// " Import incomplete from ... (why)", or " Import failed from ...".
QString importEndStatus(link::TransferOutcome outcome, const QString& peer, const QString& why);
// How an export ended: " Complete", " Export cancelled at line i of M", or " Export stopped at
// line i of M: why" (" ... before the first line" when no line was sent yet).
QString exportEndStatus(link::TransferOutcome outcome, int line, int lineCount, const QString& why);
// " Nothing imported from " peer: what came held no line that sets anything.
QString nothingImportedStatus(const QString& peer);
// " Comparison failed from " peer ": " why.
QString comparisonFailedStatus(const QString& peer, const QString& why);
// " Dropping what " peer " sends unasked (more than N bytes)"
QString unaskedLimitStatus(const QString& peer, qint64 limit);

} // namespace zel::ui::status
