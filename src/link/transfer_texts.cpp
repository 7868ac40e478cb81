#include "link/transfer_texts.h"

namespace zel::link::texts {

QString receiveLimitLine(qint64 limit)
{
    return QStringLiteral("Breaking; received %1 bytes without the end of the configuration")
        .arg(limit);
}

QString connectTimeoutError(std::chrono::milliseconds time)
{
    return QStringLiteral("No answer from the host within %1 seconds")
        .arg(QString::number(static_cast<double>(time.count()) / 1000.0));
}

QString replyLimitLine(qint64 limit)
{
    return QStringLiteral("Breaking; received %1 bytes without an acknowledgement").arg(limit);
}

QString sendingLineStatus(int line, int lineCount)
{
    return QStringLiteral(" Sending line %1 of %2").arg(line).arg(lineCount);
}

} // namespace zel::link::texts
