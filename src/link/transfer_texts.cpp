#include "link/transfer_texts.h"

namespace zel::link::texts {

QString secondsText(std::chrono::milliseconds time)
{
    return QString::number(static_cast<double>(time.count()) / 1000.0);
}

QString noResponseLine(std::chrono::milliseconds time)
{
    return QStringLiteral("Breaking; no response in %1 seconds").arg(secondsText(time));
}

QString receiveLimitLine(qint64 limit)
{
    return QStringLiteral("Breaking; received %1 bytes without the end of the configuration")
        .arg(limit);
}

QString connectTimeoutError(std::chrono::milliseconds time)
{
    return QStringLiteral("No answer from the host within %1 seconds").arg(secondsText(time));
}

QString replyLimitLine(qint64 limit)
{
    return QStringLiteral("Breaking; received %1 bytes without an acknowledgement").arg(limit);
}

QString unaskedLimitLine(qint64 limit)
{
    return QStringLiteral("Received %1 bytes outside a transfer; dropping what the unit sends "
                          "until the next transfer.")
        .arg(limit);
}

QString unfinishedNegotiationLine(qint64 bytes)
{
    return QStringLiteral("Dropped %1 bytes of a telnet subnegotiation the unit never ended; "
                          "what the unit sent among them is lost.")
        .arg(bytes);
}

QString droppedAfterCancelLine(qint64 bytes)
{
    return QStringLiteral("Dropped the %1 bytes the unit sent after the cancel.").arg(bytes);
}

} // namespace zel::link::texts
