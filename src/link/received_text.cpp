#include "link/received_text.h"

namespace zel::link {

namespace {
constexpr unsigned char kCarriageReturn = 13;
constexpr unsigned char kFirstPrintable = 32;
constexpr unsigned char kLastPrintable = 126;
} // namespace

ReceivedByte classifyReceivedByte(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    if (code >= kFirstPrintable && code <= kLastPrintable)
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

} // namespace zel::link
