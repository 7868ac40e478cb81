#include "wire_invariants.h"

#include "link/dump_matcher.h"
#include "link/exact_reply_reader.h"
#include "link/handshake_reply_reader.h"
#include "link/received_text.h"
#include "link/telnet_negotiation_filter.h"

#include <QByteArray>
#include <QString>

namespace zel::fuzz {

namespace {

using link::ExactReplyReader;

QByteArray bytesOf(std::string_view input)
{
    return QByteArray(input.data(), static_cast<qsizetype>(input.size()));
}

std::string checkNegotiationFilter(const QByteArray& bytes)
{
    link::TelnetNegotiationFilter whole;
    QByteArray wholeData;
    whole.feed(bytes, wholeData);
    // Split at the points the input's own bytes name, so that the fuzzer chooses them.
    link::TelnetNegotiationFilter split;
    QByteArray splitData;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = 1 + static_cast<unsigned char>(bytes[at]) % 7;
        split.feed(QByteArrayView(bytes).sliced(at, std::min(length, bytes.size() - at)),
                   splitData);
        at += length;
    }
    if (splitData != wholeData)
        return "negotiation filter: the data depends on how the bytes were split";
    if (wholeData.size() + whole.negotiationBytes() != bytes.size())
        return "negotiation filter: data and negotiation do not add up to what came";
    return {};
}

std::string checkReceivedText(const QByteArray& bytes)
{
    link::ReceivedTextReader reader;
    QString text;
    for (const char byte : bytes)
        reader.receive(byte, text);
    for (const QChar c : text) {
        const ushort code = c.unicode();
        const bool printable = (code >= 32 && code <= 126) || (code >= 160 && code <= 254);
        if (!printable && c != QLatin1Char('\n'))
            return "received text: holds a character the rule drops";
    }
    // One line break per line end: CR, LF, or the pair.
    qsizetype lineEnds = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool pairedLineFeed = bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r';
        if (bytes[i] == '\r' || (bytes[i] == '\n' && !pairedLineFeed))
            ++lineEnds;
    }
    if (text.count(QLatin1Char('\n')) != lineEnds)
        return "received text: line breaks differ from the line ends that came";
    return {};
}

std::string checkDumpMatcher(const QByteArray& bytes)
{
    link::DumpMatcher matcher;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (matcher.feed(bytes[i]))
            return bytes.left(i + 1).endsWith("[QXSB]")
                       ? std::string()
                       : "dump matcher: completed without \"[QXSB]\"";
    }
    // "[QXSB]" at the start or after a byte that cannot be part of it is always seen.
    for (qsizetype at = bytes.indexOf("[QXSB]"); at >= 0; at = bytes.indexOf("[QXSB]", at + 1)) {
        if (at == 0 || !QByteArrayView("[QXSB]").contains(bytes[at - 1]))
            return "dump matcher: missed \"[QXSB]\"";
    }
    return {};
}

std::string checkHandshakeReply(const QByteArray& bytes)
{
    link::HandshakeReplyReader reader(true);
    QByteArray dump;
    for (const char byte : bytes)
        reader.feed(byte, dump);
    reader.finish(dump);
    // A subsequence of what came.
    qsizetype at = 0;
    for (const char byte : dump) {
        at = bytes.indexOf(byte, at);
        if (at < 0)
            return "handshake reply: passed on a byte that did not come";
        ++at;
    }
    if (bytes.startsWith('[') && dump != bytes)
        return "handshake reply: took bytes of a dump that came without an answer";
    return {};
}

std::string checkExactReply(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    // The first byte gives the length of the expected reply, the bytes after it; then the reply.
    const qsizetype expectedLength = static_cast<unsigned char>(bytes[0]) % 16;
    const QByteArray expected = bytes.mid(1, expectedLength);
    const QByteArray reply = bytes.mid(1 + expected.size());
    ExactReplyReader reader;
    reader.expect(expected);
    qsizetype errorAt = -1;
    for (qsizetype i = 0; i < reply.size(); ++i) {
        const ExactReplyReader::Verdict verdict = reader.feed(reply[i]);
        const QByteArray sofar = reply.left(i + 1);
        if (verdict == ExactReplyReader::Verdict::Acknowledged)
            return expected.isEmpty() || !sofar.endsWith(expected)
                       ? "reply reader: acknowledged without the expected reply"
                       : std::string();
        if (verdict == ExactReplyReader::Verdict::ErrorLine && errorAt < 0) {
            if (!sofar.endsWith("ERROR"))
                return "reply reader: rejected without \"ERROR\"";
            errorAt = i;
        }
        if (verdict == ExactReplyReader::Verdict::ErrorLineEnded)
            return i - errorAt <= 80 ? std::string() : "reply reader: error line did not end";
    }
    if (errorAt < 0 && reply.contains("ERROR"))
        return "reply reader: missed \"ERROR\"";
    return {};
}

} // namespace

std::string checkWireInvariants(std::string_view input)
{
    const QByteArray bytes = bytesOf(input);
    for (auto check : {checkNegotiationFilter, checkReceivedText, checkDumpMatcher,
                       checkHandshakeReply, checkExactReply}) {
        if (std::string broken = check(bytes); !broken.empty())
            return broken;
    }
    return {};
}

} // namespace zel::fuzz
