#include "session/site/history_unit_file.h"

namespace zel::session {

namespace {

const QByteArray kFirstLine = "; zelconfig site history";
const QByteArray kLastLine = "; end of header";
const QByteArray kLineEnd = "\r\n";
constexpr int kMostHeaderLines = 16;

struct HeaderField {
    const char* key;
    QString UnitFileHeader::*member;
};

const HeaderField kHeaderFields[] = {
    {"unit", &UnitFileHeader::unit},
    {"link", &UnitFileHeader::link},
    {"model", &UnitFileHeader::model},
    {"identity", &UnitFileHeader::identity},
};

// A value is one line: a line break in it would end the remark and begin a line the reader
// takes in.
QByteArray oneLine(const QString& value)
{
    QByteArray bytes = value.toLatin1();
    for (char& byte : bytes)
        if (byte == '\r' || byte == '\n')
            byte = ' ';
    return bytes;
}

} // namespace

QByteArray unitFileText(const UnitFileHeader& header, const QByteArray& unitText)
{
    QByteArray text = kFirstLine + kLineEnd;
    for (const HeaderField& field : kHeaderFields) {
        const QString& value = header.*field.member;
        if (!value.isEmpty())
            text += "; " + QByteArray(field.key) + ": " + oneLine(value) + kLineEnd;
    }
    return text + kLastLine + kLineEnd + unitText;
}

std::optional<UnitFileRead> readUnitFile(const QByteArray& bytes)
{
    if (!bytes.startsWith(kFirstLine + kLineEnd))
        return std::nullopt;
    UnitFileRead read;
    qsizetype at = kFirstLine.size() + kLineEnd.size();
    for (int count = 0; count < kMostHeaderLines; ++count) {
        const qsizetype end = bytes.indexOf(kLineEnd, at);
        if (end < 0)
            return std::nullopt;
        const QByteArray line = bytes.mid(at, end - at);
        at = end + kLineEnd.size();
        if (line == kLastLine) {
            read.unitText = bytes.mid(at);
            return read;
        }
        for (const HeaderField& field : kHeaderFields) {
            const QByteArray prefix = "; " + QByteArray(field.key) + ": ";
            if (line.startsWith(prefix))
                read.header.*field.member = QString::fromLatin1(line.mid(prefix.size()));
        }
    }
    return std::nullopt;
}

} // namespace zel::session
