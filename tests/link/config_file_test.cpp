#include "link/config_file.h"
#include "text/capped_read.h"
#include "ui/transfer/window_questions.h"

#include "qt_printing.h"
#include "support/file_faults.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zel::link;
using namespace zel::text;
using zel::test::FileSizeLimit;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(ConfigFile, SplitsOnCarriageReturnsLineFeedsOrBoth)
{
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"[SD0]\r\n[FPL0]\r\n", {"[SD0]", "[FPL0]"}},
        {"[SD0]\n[FPL0]", {"[SD0]", "[FPL0]"}},
        {"[SD0]\r[FPL0]\r", {"[SD0]", "[FPL0]"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}}, // LF then CR is two line ends
        {"", {}},
        {"\r\n", {""}},
        {QByteArray("[NO1\"Zone \xE9\xFF\"]"), {QString::fromLatin1("[NO1\"Zone \xE9\xFF\"]")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(splitConfigurationText(c.bytes), c.lines);
    }
}

TEST(ConfigFile, WritesEveryLineWithCrLfAndReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("unit.zel");
    const QStringList lines = {"[SD0]", "", QString::fromLatin1("[NO1\"Caf\xE9\"]"), "[EC]"};
    writeBytes(path, "an older and much longer configuration text\r\n");

    const FileWriteResult written = writeConfigurationFile(path, lines);
    ASSERT_TRUE(written.ok) << written.errorText.toStdString();
    EXPECT_EQ(fileBytes(path), QByteArray("[SD0]\r\n\r\n[NO1\"Caf\xE9\"]\r\n[EC]\r\n"));

    const FileReadResult read = readConfigurationFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.lines, lines);
    EXPECT_EQ(filePeerText(path), "file: " + QDir::toNativeSeparators(path));
    EXPECT_EQ(zel::ui::questions::overwriteFile(path),
              "File " + QDir::toNativeSeparators(path) + " exists. Overwrite?");
}

TEST(ConfigFile, FailedSaveLeavesTheOldFileIntact)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("unit.zel");
    const QByteArray old = "[SD1]\r\n[FPL1]\r\n";
    writeBytes(path, old);

    QStringList longText;
    for (int i = 0; i < 2000; ++i)
        longText << QString("[NO1\"Zone %1\"]").arg(i);
    FileWriteResult written;
    {
        const FileSizeLimit limit(1000);
        written = writeConfigurationFile(path, longText);
    }
    EXPECT_FALSE(written.ok);
    EXPECT_TRUE(written.errorText.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(fileBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList{"unit.zel"}); // no stray temp file

    const FileWriteResult noFolder =
        writeConfigurationFile(dir.filePath("missing/unit.zel"), {"[SD0]"});
    EXPECT_FALSE(noFolder.ok);
    EXPECT_FALSE(noFolder.errorText.isEmpty());
}

TEST(ConfigFile, UnreadableFileGivesAnError)
{
    QTemporaryDir dir;
    const FileReadResult read = readConfigurationFile(dir.filePath("absent.zel"));
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.errorText.contains("absent.zel"));
}

TEST(ConfigFile, ReadsBytesUpToTheLimitAndRefusesMore)
{
    struct Case {
        const char* what;
        QByteArray bytes; // on a buffer; empty with `path`
        QString path = {};
        bool tooLarge = false;
    };
    const Case cases[] = {
        {"nothing", {}},
        {"a configuration", "[SD1]\r\n\xff[NO1\"a\"]\r\n"},
        {"exactly the limit", QByteArray(kConfigurationFileLimit, 'x')},
        {"one byte more", QByteArray(kConfigurationFileLimit + 1, 'x'), {}, true},
        {"a device that never ends", {}, "/dev/zero", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QBuffer buffer;
        buffer.setData(c.bytes);
        QFile file(c.path);
        QIODevice& device = c.path.isEmpty() ? static_cast<QIODevice&>(buffer) : file;
        ASSERT_TRUE(device.open(QIODevice::ReadOnly));
        const CappedBytes read = readConfigurationBytes(device);
        EXPECT_EQ(read.tooLarge, c.tooLarge);
        EXPECT_EQ(read.error, c.tooLarge ? tooLargeReason() : QString());
        EXPECT_EQ(read.bytes, c.tooLarge ? QByteArray() : c.bytes);
    }
    EXPECT_EQ(tooLargeReason(), "larger than a configuration file can be (4194304 bytes at most)");
}
