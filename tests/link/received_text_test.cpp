#include "qt_printing.h"

#include "link/dump_matcher.h"
#include "link/export_lines.h"
#include "link/received_text.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

using namespace zel::link;

namespace {

QString filtered(const QByteArray& bytes)
{
    QString text;
    for (const char byte : bytes)
        appendReceivedByte(text, byte);
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

TEST(ReceivedText, KeepsPrintablesTurnsCarriageReturnsIntoLineBreaksAndDropsTheRest)
{
    struct Case {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"[SD0]\r\n[FPL0]\r\n", "[SD0]\n[FPL0]\n"},
        {"[SD0]\n\n[FPL0]", "[SD0][FPL0]"}, // line feeds alone break nothing
        {"[S\tD\x01"
         "0]",
         "[SD0]"}, // tab and control codes dropped
        {QByteArray("a\x7F\x80\xB7\xFF"
                    "b"),
         "ab"},                        // DEL and bytes above 126 dropped
        {QByteArray(" ~", 2), " ~"},   // both ends of the printable range
        {QByteArray("x\0y", 3), "xy"}, // NUL dropped
        {"\r\r", "\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(filtered(c.bytes), c.text);
    }
    EXPECT_EQ(classifyReceivedByte('\r'), ReceivedByte::LineBreak);
    EXPECT_EQ(classifyReceivedByte('\n'), ReceivedByte::Dropped);
    EXPECT_EQ(classifyReceivedByte(static_cast<char>(126)), ReceivedByte::Printable);
    EXPECT_EQ(classifyReceivedByte(static_cast<char>(127)), ReceivedByte::Dropped);
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
