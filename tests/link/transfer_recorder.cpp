#include "transfer_recorder.h"

#include "ui/transfer/transfer_status_texts.h"

#include <QTimer>

namespace zel::test {

void record(link::Transfer& transfer, TransferRecord& record)
{
    QObject::connect(&transfer, &link::Transfer::textReceived,
                     [&record](const QString& text) { record.box += text; });
    QObject::connect(&transfer, &link::Transfer::logLine, [&record](const QString& line) {
        if (!record.box.isEmpty() && !record.box.endsWith(QLatin1Char('\n')))
            record.box += QLatin1Char('\n');
        record.box += line + QLatin1Char('\n');
        record.logLines << line;
    });
    QObject::connect(&transfer, &link::Transfer::status,
                     [&record](const link::TransferStatus& status) {
                         record.statuses << ui::status::transferStatusText(status);
                     });
    QObject::connect(&transfer, &link::Transfer::progress, [&record](int line, int count) {
        record.progress.append({line, count});
    });
    QObject::connect(&transfer, &link::Transfer::finished,
                     [&record](link::TransferOutcome outcome) {
                         ++record.finishedCount;
                         record.outcome = outcome;
                         if (record.waiting)
                             record.waiting->quit();
                     });
}

bool waitForFinish(TransferRecord& record, std::chrono::milliseconds limit)
{
    if (record.finishedCount == 0) {
        QEventLoop loop;
        record.waiting = &loop;
        QTimer::singleShot(limit, &loop, &QEventLoop::quit);
        loop.exec();
        record.waiting = nullptr;
    }
    return record.finishedCount > 0;
}

} // namespace zel::test
