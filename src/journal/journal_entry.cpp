#include "journal/journal_entry.h"

namespace zel::journal {

QString directionWord(Direction direction)
{
    return direction == Direction::FromUnit ? QStringLiteral("from") : QStringLiteral("to");
}

QString endingText(const Entry& entry)
{
    if (entry.whole)
        return QStringLiteral("whole");
    return entry.ending.isEmpty() ? QStringLiteral("not whole")
                                  : QStringLiteral("not whole: ") + entry.ending;
}

QString tcpUnit(const QString& hostAndPort)
{
    return QStringLiteral("tcp:") + hostAndPort;
}

QString serialUnit(const QString& device)
{
    return QStringLiteral("serial:") + device;
}

} // namespace zel::journal
