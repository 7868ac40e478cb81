#include "journal/legacy_entries.h"

#include "model/command_language.h"

#include <QRegularExpression>

namespace zel::journal {

namespace {

// Whether a line of `text` begins with `start`.
bool hasLineStarting(const QByteArray& text, const QByteArray& start)
{
    return text.startsWith(start) || text.contains("\n" + start);
}

} // namespace

bool lacksWholeConfiguration(const QByteArray& text)
{
    // The display line, preset 1's name, favorite 1's name, group 1's name and DHCP.
    for (const char* start : {"[SD", "[NEP1\"", "[NF1\"", "[NG1\"", "[DHCP"})
        if (!hasLineStarting(text, start))
            return true;
    return false;
}

std::optional<Entry> entryFromLegacyText(const QString& fileName, const QByteArray& text)
{
    static const QRegularExpression name(
        QStringLiteral("^(\\d{8}-\\d{6}-\\d{3})-(from|to)(-\\d+)?\\.zel$"));
    const QRegularExpressionMatch match = name.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    Entry entry;
    // The name holds the time in UTC, as the entry's time was kept.
    const QDateTime named =
        QDateTime::fromString(match.captured(1), QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    entry.time = QDateTime(named.date(), named.time(), Qt::UTC);
    if (!entry.time.isValid())
        return std::nullopt;
    entry.direction =
        match.captured(2) == QStringLiteral("to") ? Direction::ToUnit : Direction::FromUnit;
    if (entry.direction == Direction::FromUnit) {
        // The dump ends with the request it answers.
        entry.whole = text.toUpper().contains(QByteArray::fromStdString(model::dumpRequest()));
        entry.ending = entry.whole ? QString() : QStringLiteral("the dump's end is missing");
    } else {
        entry.partial = lacksWholeConfiguration(text);
        entry.ending = QStringLiteral("not known whether every line was acknowledged");
    }
    entry.unit = QStringLiteral("unknown unit");
    entry.configLines = countConfigLines(text);
    entry.file = fileName;
    entry.size = text.size();
    return entry;
}

int countConfigLines(const QByteArray& text)
{
    int count = 0;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && c == '[')
            ++count;
        lineStart = c == '\n' || c == '\r';
    }
    return count;
}

} // namespace zel::journal
