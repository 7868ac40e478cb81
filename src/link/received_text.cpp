#include "link/received_text.h"

#include <utility>

namespace zel::link {

namespace {
constexpr unsigned char kCarriageReturn = 13;
constexpr char kLineFeed = '\n';
constexpr unsigned char kFirstPrintable = 32;
constexpr unsigned char kLastPrintable = 126;
// Latin-1's printable characters above ASCII, as configuration files keep them.
constexpr unsigned char kFirstLatin1Printable = 160;
constexpr unsigned char kLastLatin1Printable = 254;
} // namespace

ReceivedByte classifyReceivedByte(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    if ((code >= kFirstPrintable && code <= kLastPrintable) ||
        (code >= kFirstLatin1Printable && code <= kLastLatin1Printable))
        return ReceivedByte::Printable;
    if (code == kCarriageReturn)
        return ReceivedByte::LineBreak;
    return ReceivedByte::Dropped;
}

ReceivedByte appendReceivedByte(QString& text, char byte)
{
    const ReceivedByte kind = classifyReceivedByte(byte);
    if (kind == ReceivedByte::Printable)
        text.append(QLatin1Char(byte));
    else if (kind == ReceivedByte::LineBreak)
        text.append(QLatin1Char('\n'));
    return kind;
}

void ReceivedTextReader::continueFrom(int lineBreaks, bool partialLine)
{
    m_lineBreaks = lineBreaks;
    m_partialLine = partialLine;
}

void ReceivedTextReader::receive(char byte, QString& text)
{
    if (byte == '[')
        m_linesAtBracket = m_lineBreaks + (m_partialLine ? 1 : 0);
    const bool afterCarriageReturn = std::exchange(m_afterCarriageReturn, false);
    if (byte == kLineFeed) {
        // A line feed alone ends a line; after a carriage return it belongs to that line end.
        if (!afterCarriageReturn) {
            text.append(QLatin1Char('\n'));
            ++m_lineBreaks;
            m_partialLine = false;
        }
        return;
    }
    switch (appendReceivedByte(text, byte)) {
    case ReceivedByte::Printable:
        m_partialLine = true;
        break;
    case ReceivedByte::LineBreak:
        ++m_lineBreaks;
        m_partialLine = false;
        m_afterCarriageReturn = true;
        break;
    case ReceivedByte::Dropped:
        break;
    }
}

std::optional<int> ReceivedTextReader::takeLineCount()
{
    if (m_linesAtBracket < 0)
        return std::nullopt;
    return std::exchange(m_linesAtBracket, -1) / 2;
}

} // namespace zel::link
