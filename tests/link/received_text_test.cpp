#include "qt_printing.h"

#include "link/dump_matcher.h"
#include "link/export_lines.h"
#include "link/handshake_reply_reader.h"
#include "link/received_text.h"
#include "link/telnet_negotiation_filter.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

using namespace zel::link;

namespace {

// What the reader makes of bytes that come in `batches`.
QString filtered(const QList<QByteArray>& batches)
{
    ReceivedTextReader reader;
    QString text;
    for (const QByteArray& batch : batches)
        for (const char byte : batch)
            reader.receive(byte, text);
    return text;
}

// The index of the byte that completed the dump, or -1.
qsizetype completesAt(const QByteArray& bytes)
{
    DumpMatcher matcher;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (matcher.feed(bytes[i]))
            return i;
    return -1;
}

} // namespace

TEST(ReceivedText, KeepsPrintablesTurnsLineEndsIntoLineBreaksAndDropsTheRest)
{
    struct Case {
        QList<QByteArray> batches; // as they come in, one read each
        QString text;
    };
    const Case cases[] = {
        {{"[SD0]\r\n[FPL0]\r\n"}, "[SD0]\n[FPL0]\n"},
        {{"[SD0]\n[FPL0]\n"}, "[SD0]\n[FPL0]\n"},   // line feeds alone
        {{"[SD0]\r[FPL0]\r"}, "[SD0]\n[FPL0]\n"},   // carriage returns alone
        {{"[SD0]\r", "\n[FPL0]"}, "[SD0]\n[FPL0]"}, // a pair split across reads is one
        {{"\r\n\r\n", "\n\r", "\r"}, "\n\n\n\n\n"},
        {{"[S\tD\x01"
          "0]"},
         "[SD0]"}, // tab and control codes dropped
        {{QByteArray("a\x7F\x80\x9F\xFF"
                     "b")},
         "ab"}, // DEL, C1 control codes and 255 dropped
        {{QByteArray("K\xFC"
                     "che \xA0\xFE")},
         QString::fromLatin1("K\xFC"
                             "che \xA0\xFE")}, // Latin-1 printables kept, as names hold them
        {{QByteArray(" ~", 2)}, " ~"},         // both ends of the printable range
        {{QByteArray("x\0y", 3)}, "xy"},       // NUL dropped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.batches.join('|').toHex().toStdString());
        EXPECT_EQ(filtered(c.batches), c.text);
    }
}

TEST(ReceivedBytes, NegotiationAndTheAnswerToTheHandshakeAreTakenOffHoweverTheyComeSplit)
{
    struct Case {
        bool negotiation; // the telnet negotiation filter, else the handshake-reply reader
        QList<QByteArray> batches;
        QByteArray passedOn;
        qint64 unfinished = 0; // bytes of a subnegotiation ended at its limit
    };
    // A subnegotiation never ended: it ends after its limit, IAC SB included.
    const QByteArray open = QByteArray("\xFF\xFA\x18\x01") + QByteArray(200, 'x');
    const qint64 limit = TelnetNegotiationFilter::kSubnegotiationLimit;
    const Case cases[] = {
        {true, {"\xFF\xFD\x22[SD1]"}, "[SD1]"}, // DO LINEMODE: its option byte is a '"'
        {true, {"\xFF\xFB\x01\xFF\xFC\x03\xFF\xFE\x22[S"}, "[S"},
        {true, {"[S\xFF", "\xFD", "\x22", "D1]"}, "[SD1]"},                     // split after IAC
        {true, {"\xFF\xFA\x22\x01\xFF\xFF\x03", "\xFF", "\xF0[SD1]"}, "[SD1]"}, // subnegotiation
        {true, {"\xFF\xF1[\xFF\xF9SD1]"}, "[SD1]"},                             // NOP, GA
        {true, {"a\xFF\xFF", "b"}, QByteArray("a\xFF") + 'b'}, // IAC IAC is a data byte
        {true, {"a\xFF", "b"}, "ab"}, // a lone 255 before a byte that is no command
        {true,
         {open, QByteArray(100, 'x') + "[SD1]"},
         QByteArray(304 - limit, 'x') + "[SD1]",
         limit},
        {false, {")\r\n[SD1]"}, "[SD1]"},
        {false, {"\r\n", ")[SD1]"}, "[SD1]"},
        {false, {"\r\n)\r\n[SD1]"}, "[SD1]"},
        {false, {"\n(OK)\n[SD1]"}, "[SD1]"},
        {false, {"]\n[SD1]"}, "[SD1]"},
        {false, {"[SD1]"}, "[SD1]"}, // no answer at all
        {false, {"\r\n[SD1]"}, "[SD1]"},
        {false, {"abc\r\n[SD1]"}, "abc\r\n[SD1]"},
        {false, {"(OK"}, "(OK"}, // held, and text after all when nothing more comes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.batches.join('|').toHex().toStdString());
        TelnetNegotiationFilter filter;
        HandshakeReplyReader reader(true);
        QByteArray passedOn;
        for (const QByteArray& batch : c.batches) {
            if (c.negotiation)
                filter.feed(batch, passedOn);
            for (const char byte : c.negotiation ? QByteArray() : batch)
                reader.feed(byte, passedOn);
        }
        if (!c.negotiation)
            reader.finish(passedOn);
        EXPECT_EQ(passedOn, c.passedOn);
        EXPECT_EQ(filter.unfinishedSubnegotiationBytes(), c.unfinished);
    }
}

TEST(DumpMatcher, CompletesOnlyOnAnUnbrokenQxsb)
{
    struct Case {
        QByteArray bytes;
        qsizetype completesAt;
    };
    const Case cases[] = {
        {"[QXSB]", 5},
        {"[SD0]\r\n[QXSB]tail", 12},
        {"[[QXSB]", -1}, // the breaking "[" is not looked at again
        {"[[QXSB][QXSB]", 12},
        {"[QX\r\nSB]", -1}, // a line break inside the letters
        {"[QX\nSB]", -1},   // so does a dropped byte
        {"[qxsb]", -1},     // upper case only
        {"[QXSB", -1},
        {"[QXS[QXSB]", -1}, // the "[" that breaks "[QXS" does not start a new match
        {"[QXSx[QXSB]", 10},
        {"", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        EXPECT_EQ(completesAt(c.bytes), c.completesAt);
    }
}

TEST(DumpMatcher, StaysCompleteUntilReset)
{
    DumpMatcher matcher;
    for (const char byte : QByteArray("[QXSB]"))
        matcher.feed(byte);
    EXPECT_TRUE(matcher.isComplete());
    EXPECT_TRUE(matcher.feed('x'));
    matcher.reset();
    EXPECT_FALSE(matcher.isComplete());
    EXPECT_EQ(matcher.state(), 0);
    EXPECT_FALSE(matcher.feed(']'));
}

TEST(ExportLines, SendsOnlyBracketedLinesAndExpectsThemInParentheses)
{
    EXPECT_TRUE(isSendableLine("[SD0]"));
    EXPECT_TRUE(isSendableLine("x]y[z")); // both brackets anywhere
    EXPECT_FALSE(isSendableLine(""));
    EXPECT_FALSE(isSendableLine("[SD0"));
    EXPECT_FALSE(isSendableLine("SD0]"));
    EXPECT_EQ(expectedReply("[VO1R-12]"), "(VO1R-12)");
    EXPECT_EQ(expectedReply("[NO1\"Zone ]1\"]"), "(NO1\"Zone ]1\")");
    EXPECT_EQ(expectedReply("[]"), "()");
}
