#include "transfer_recorder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace zel::test {

bool waitForFinish(const TransferRecord& record, std::chrono::milliseconds limit)
{
    const QDeadlineTimer deadline(limit);
    while (record.finishedCount == 0 && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return record.finishedCount > 0;
}

} // namespace zel::test
