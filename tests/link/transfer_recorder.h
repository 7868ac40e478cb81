#pragma once
// Records what a transfer shows: the configuration text box as the window would fill it, the log
// lines, the status texts and the progress, and waits for the transfer to finish.

#include "qt_printing.h"

#include "link/transfer_outcome.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QStringList>

#include <chrono>

namespace zel::test {

struct TransferRecord {
    QString box; // received text and log lines, as the configuration text box holds them
    QStringList logLines;
    QStringList statuses;
    QList<QPair<int, int>> progress;
    int finishedCount = 0;
    link::TransferOutcome outcome = link::TransferOutcome::Running;

    QStringList boxLines() const { return box.split(QLatin1Char('\n')); }
};

// Connects `record` to the transfer's signals (ImportTransfer or ExportTransfer).
template <typename Transfer> void record(Transfer& transfer, TransferRecord& record)
{
    QObject::connect(&transfer, &Transfer::textReceived,
                     [&record](const QString& text) { record.box += text; });
    QObject::connect(&transfer, &Transfer::logLine, [&record](const QString& line) {
        if (!record.box.isEmpty() && !record.box.endsWith(QLatin1Char('\n')))
            record.box += QLatin1Char('\n');
        record.box += line + QLatin1Char('\n');
        record.logLines << line;
    });
    QObject::connect(&transfer, &Transfer::statusText,
                     [&record](const QString& text) { record.statuses << text; });
    if constexpr (requires { &Transfer::progress; })
        QObject::connect(&transfer, &Transfer::progress, [&record](int line, int count) {
            record.progress.append({line, count});
        });
    QObject::connect(&transfer, &Transfer::finished, [&record](link::TransferOutcome outcome) {
        ++record.finishedCount;
        record.outcome = outcome;
    });
}

// Runs the event loop until the record shows the transfer finished or `limit` has passed;
// returns whether it finished.
bool waitForFinish(const TransferRecord& record,
                   std::chrono::milliseconds limit = std::chrono::seconds(20));

} // namespace zel::test
