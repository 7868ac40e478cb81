#include "link/transfer_texts.h"

namespace zel::link::texts {

QString receiveLimitLine(qint64 limit)
{
    return QStringLiteral("Breaking; received %1 bytes without the end of the configuration")
        .arg(limit);
}

QString sendingLineStatus(int line, int lineCount)
{
    return QStringLiteral(" Sending line %1 of %2").arg(line).arg(lineCount);
}

} // namespace zel::link::texts
