#pragma once
// Records what a transfer shows: the configuration text box as the window would fill it, the log
// lines, the status texts as the window words them and the progress, and waits for the transfer to
// finish.

#include "qt_printing.h"

#include "link/transfer.h"

#include <QEventLoop>
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
    QEventLoop* waiting = nullptr; // quit when the transfer finishes

    QStringList boxLines() const { return box.split(QLatin1Char('\n')); }
};

// Connects `record` to the transfer's signals.
void record(link::Transfer& transfer, TransferRecord& record);

// Runs the event loop until the record shows the transfer finished or `limit` has passed;
// returns whether it finished.
bool waitForFinish(TransferRecord& record,
                   std::chrono::milliseconds limit = std::chrono::seconds(20));

} // namespace zel::test
