#include "journal/entry_header.h"

#include <QList>

namespace zel::journal {

namespace {

const QByteArray kFirstLine = "; zelconfig unit journal entry";
const QByteArray kLastLine = "; end of entry header";
constexpr qsizetype kLongestValue = 1024;

// A value on one remark line: no line break or other control code, and never so long that the
// header outgrows the part of a text it is read from.
QByteArray lineValue(const QString& value)
{
    QString clean = value.left(kLongestValue);
    for (QChar& c : clean)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u' ';
    return clean.toUtf8();
}

QByteArray remark(const char* key, const QString& value)
{
    return QByteArray("; ") + key + ": " + lineValue(value) + "\r\n";
}

} // namespace

QByteArray entryHeader(const Entry& entry)
{
    QByteArray header = kFirstLine + "\r\n";
    header += remark("time", entry.time.toUTC().toString(Qt::ISODateWithMs));
    header += remark("kind", kindText(kindOf(entry)));
    header += remark("unit", entry.unit);
    if (entry.cause != Cause::None)
        header += remark("cause", causeText(entry.cause));
    if (!entry.whole && !entry.ending.isEmpty())
        header += remark("ending", entry.ending);
    if (!entry.identity.isEmpty())
        header += remark("identity", entry.identity);
    if (entry.kept)
        header += remark("kept", QStringLiteral("yes"));
    header += remark("lines", QString::number(entry.configLines));
    return header + kLastLine + "\r\n";
}

std::optional<HeaderRead> readEntryHeader(const QByteArray& bytes)
{
    const QByteArray start = bytes.left(kHeaderReadLimit);
    qsizetype at = 0;
    const auto nextLine = [&]() -> std::optional<QByteArray> {
        const qsizetype end = start.indexOf('\n', at);
        if (end < 0)
            return std::nullopt;
        QByteArray line = start.mid(at, end - at);
        at = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    };
    if (nextLine() != kFirstLine)
        return std::nullopt;
    HeaderRead read;
    std::optional<Kind> kind;
    for (std::optional<QByteArray> line = nextLine(); line; line = nextLine()) {
        if (*line == kLastLine) {
            if (!read.entry.time.isValid() || !kind)
                return std::nullopt;
            setKind(read.entry, *kind);
            read.bodyStart = at;
            return read;
        }
        const qsizetype colon = line->indexOf(": ");
        if (!line->startsWith("; ") || colon < 0)
            continue; // a remark a later version added, or one edited by hand
        const QByteArray key = line->mid(2, colon - 2);
        // Read as it would be written, so that a header written back says the same.
        const QString value = QString::fromUtf8(lineValue(QString::fromUtf8(line->mid(colon + 2))));
        if (key == "time")
            read.entry.time = QDateTime::fromString(value, Qt::ISODateWithMs);
        else if (key == "kind")
            kind = kindFromText(value);
        else if (key == "unit")
            read.entry.unit = value;
        else if (key == "cause")
            read.entry.cause = causeFromText(value);
        else if (key == "ending")
            read.entry.ending = value;
        else if (key == "identity")
            read.entry.identity = value;
        else if (key == "kept")
            read.entry.kept = value == QStringLiteral("yes");
        else if (key == "lines")
            read.entry.configLines = value.toInt();
    }
    return std::nullopt; // cut before its end
}

} // namespace zel::journal
