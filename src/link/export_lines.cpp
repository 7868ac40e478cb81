#include "link/export_lines.h"

namespace zel::link {

bool isSendableLine(const QString& line)
{
    return line.contains(QLatin1Char('[')) && line.contains(QLatin1Char(']'));
}

QString expectedReply(const QString& line)
{
    return QLatin1Char('(') + line.mid(1, line.size() - 2) + QLatin1Char(')');
}

} // namespace zel::link
