// The journal's texts are its record and the index a cache: a damaged, missing or unsaved index
// loses no entry, journals kept before texts named themselves still read, and nothing outside the
// folder's own regular texts, nor past the read cap, is read.

#include "journal/entry_header.h"
#include "journal/journal.h"
#include "journal/journal_index.h"
#include "support/failing_write_device.h"
#include "text/file_save.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <tuple>

namespace zel::journal {
namespace {

// Everything the entries say, to compare them whole.
QStringList fieldsOf(const QList<Entry>& entries)
{
    QStringList all;
    for (const Entry& e : entries)
        all << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                   .arg(e.time.toString(Qt::ISODateWithMs), summaryText(e), e.unit, e.identity,
                        e.kept ? "kept" : "", QString::number(e.configLines), e.file,
                        causeText(e.cause));
    return all;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

Entry made(Kind kind, const QString& unit, const QString& ending = {}, const QString& identity = {},
           Cause cause = Cause::None)
{
    Entry entry;
    setKind(entry, kind);
    entry.cause = cause;
    std::tie(entry.unit, entry.ending, entry.identity) = std::tie(unit, ending, identity);
    return entry;
}

TEST(JournalRecords, ADamagedOrMissingIndexIsRebuiltFromTheTextsAndNothingIsLost)
{
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> damages = {
        {"sound", [](const QString&) {}},
        {"cut to 40 bytes", [](const QString& index) { QFile::resize(index, 40); }},
        {"not JSON", [](const QString& index) { writeBytes(index, "not an index\n"); }},
        {"missing", [](const QString& index) { QFile::remove(index); }},
        {"empty, as a save that failed unflushed left it",
         [](const QString& index) { writeBytes(index, ""); }},
        {"an empty list", [](const QString& index) { writeBytes(index, "[]"); }},
    };
    const QByteArray fetched = "[SD1]\r\n[QXSB]\r\n", sent = "[NO1\"Hall\"]\r\n[EC]\r\n";
    for (const auto& [name, damage] : damages) {
        SCOPED_TRACE(name);
        const QTemporaryDir folder;
        Journal journal(folder.path(), {2, 1 << 20}); // the bound would drop what is not named
        const Entry backup = made(Kind::WholeFetch, "tcp:a:23", {}, "unit-fp", Cause::SiteBackup);
        const Entry send = made(Kind::PartialSend, "tcp:a:23", {}, {}, Cause::SendSelected);
        ASSERT_EQ(journal.record(backup, fetched).text, "");
        ASSERT_EQ(journal.record(send, sent).text, "");
        ASSERT_EQ(journal.setKept(journal.entries().front(), true).text, "");
        const QStringList before = fieldsOf(journal.entries());

        damage(folder.filePath("index.json"));
        EXPECT_EQ(fieldsOf(journal.entries()), before);
        ASSERT_EQ(journal.record(made(Kind::IncompleteFetch, "tcp:b:23", "cancelled"), "[SD").text,
                  "");
        const QList<Entry> after = journal.entries();
        ASSERT_EQ(after.size(), 3);
        EXPECT_EQ(fieldsOf(after.mid(1)), before);
        EXPECT_EQ(summaryText(after[0]), "incomplete fetch: cancelled");
        EXPECT_EQ(QStringList({causeText(after[1].cause), causeText(after[2].cause)}),
                  QStringList({"Send Selected", "site backup"}));
        EXPECT_EQ(journal.text(after[0]), "[SD");
        EXPECT_EQ(journal.text(after[1]), sent);
        EXPECT_EQ(journal.text(after[2]), fetched);
        EXPECT_EQ(readIndex(readBytes(folder.filePath("index.json")))->entries.size(), 3);
    }
}

// A text whose index could not be brought up to date stays listed, deletes nothing, and is
// indexed by the next record, which only then applies the bound.
TEST(JournalRecords, AnIndexNotSavedOrLockedByAnotherLosesNoTextAndDeletesNothing)
{
    const text::SaveRoutine fullDisk = test::failingSaveWhere(
        [](const QString& path) { return path.endsWith(QStringLiteral("index.json")); }, 40);
    for (const bool locked : {false, true}) {
        SCOPED_TRACE(locked ? "locked by another program" : "the index save fails");
        const QTemporaryDir folder;
        Journal journal(folder.path(), {2, 1 << 20});
        for (const char* text : {"[SD1]", "[SD2]"})
            ASSERT_EQ(journal.record(made(Kind::WholeSend, "tcp:a:23"), text).text, "");
        const QByteArray index = readBytes(folder.filePath("index.json"));
        QLockFile other(folder.filePath("index.lock"));
        ASSERT_TRUE(!locked || other.lock());
        if (!locked)
            journal.setSaveRoutine(fullDisk);
        EXPECT_EQ(journal.record(made(Kind::WholeSend, "tcp:a:23"), "[SD3]").text,
                  locked ? "" : "cannot save the index: No space left on device");
        EXPECT_EQ(readBytes(folder.filePath("index.json")), index);
        EXPECT_EQ(journal.entries().size(), 3);

        other.unlock();
        journal.setSaveRoutine(text::saveWholeFile);
        ASSERT_EQ(journal.record(made(Kind::WholeSend, "tcp:a:23"), "[SD4]").text, "");
        const QList<Entry> entries = journal.entries();
        ASSERT_EQ(entries.size(), 2);
        EXPECT_EQ(journal.text(entries[1]), "[SD3]");
        EXPECT_EQ(QDir(folder.path()).entryList({"*.zel"}).size(), 2);
    }
}

// Texts made within one millisecond are named "-from", "-from-2", ... "-from-10": they are
// listed in that order (newest first), so that the bound drops the older first.
TEST(JournalRecords, TextsOfOneMillisecondKeepTheOrderTheyWereMadeIn)
{
    const QTemporaryDir folder;
    const QString stem = QStringLiteral("20261210-024700-123-from");
    const QStringList made = {stem + ".zel", stem + "-2.zel", stem + "-10.zel"};
    for (const QString& name : QStringList{made[2], made[0], made[1]}) {
        Entry entry = journal::made(Kind::WholeFetch, "tcp:a:23");
        entry.time = QDateTime::fromString("2026-12-10T02:47:00.123Z", Qt::ISODateWithMs);
        writeBytes(folder.filePath(name), entryHeader(entry) + "[SD1]\r\n");
    }
    QStringList listed;
    for (const Entry& entry : Journal(folder.path()).entries())
        listed << entry.file;
    EXPECT_EQ(listed, (QStringList{made[2], made[1], made[0]}));
}

TEST(JournalRecords, ReadsOnlyItsOwnRegularTextsAndNoneBeyondTheReadCap)
{
    const QTemporaryDir folder, elsewhere;
    Journal journal(folder.path());
    ASSERT_EQ(journal.record(made(Kind::WholeFetch, "tcp:a:23"), "[SD1]").text, "");
    const QByteArray text = entryHeader(journal.entries().front()) + "[SD1]"; // says what it is
    writeBytes(elsewhere.filePath("outside.zel"), text);
    QFile::link(elsewhere.filePath("outside.zel"), folder.filePath("link.zel"));
    ::mkfifo(QFile::encodeName(folder.filePath("pipe.zel")).constData(), 0600);
    writeBytes(folder.filePath("big.zel"), text + QByteArray(5 << 20, '['));
    QStringList listed; // the large text by its header; never the link or the pipe
    for (const Entry& entry : journal.entries())
        listed << entry.file;
    EXPECT_TRUE(listed.size() == 2 && listed.contains("big.zel")) << listed.join(' ').toStdString();
    const std::pair<const char*, const char*> reads[] = {
        {"link.zel", "not a regular file"},
        {"pipe.zel", "not a regular file"},
        {"big.zel", "larger than a configuration file can be"}};
    for (const auto& [name, refusal] : reads) {
        Entry named = journal.entries().front(); // as an index naming it would give it
        named.file = QString::fromLatin1(name);
        QString error;
        EXPECT_FALSE(journal.text(named, &error)) << name;
        EXPECT_TRUE(error.contains(refusal)) << error.toStdString();
    }
}

TEST(JournalRecords, ReadsAJournalKeptBeforeTextsNamedThemselves)
{
    const QByteArray whole =
        "[SD1]\r\n[NEP1\"P\"]\r\n[NF1\"F\"]\r\n[NG1\"G\"]\r\n[DHCP0]\r\n[EC]\r\n";
    const QList<std::pair<const char*, QByteArray>> texts = {
        {"20240101-100000-000-from.zel", "[SD1]\r\n[QXSB]\r\n"},
        {"20240101-100100-000-to.zel", "[NO1\"Hall\"]\r\n[EC]\r\n"},
        {"20240101-100200-000-to.zel", whole},
    };
    const QByteArray oldIndex =
        R"([{"time":"2024-01-01T10:00:00.000Z","direction":"from","unit":"tcp:u:23","whole":true,
            "ending":"","configLines":2,"file":"20240101-100000-000-from.zel","size":15},
           {"time":"2024-01-01T10:01:00.000Z","direction":"to","unit":"tcp:u:23","whole":true,
            "ending":"","configLines":2,"file":"20240101-100100-000-to.zel","size":20},
           {"time":"2024-01-01T10:02:00.000Z","direction":"to","unit":"tcp:u:23","whole":true,
            "ending":"","configLines":6,"file":"20240101-100200-000-to.zel","size":58}])";
    struct Case {
        bool withIndex;
        QStringList kinds; // newest first
        QString unit;
    };
    const std::vector<Case> cases = {
        {true, {"whole send", "partial send", "whole fetch"}, "tcp:u:23"},
        // Without the index, whether a send was acknowledged in full is not known.
        {false, {"incomplete send", "incomplete partial send", "whole fetch"}, "unknown unit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.withIndex);
        const QTemporaryDir folder;
        for (const auto& [name, text] : texts)
            writeBytes(folder.filePath(name), text);
        if (c.withIndex)
            writeBytes(folder.filePath("index.json"), oldIndex);
        Journal journal(folder.path());
        QList<Entry> entries = journal.entries();
        ASSERT_EQ(entries.size(), 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(kindText(kindOf(entries[i])), c.kinds[i]);
            EXPECT_EQ(entries[i].unit, c.unit);
            EXPECT_EQ(entries[i].time.toString(Qt::ISODate),
                      QString("2024-01-01T10:0%1:00Z").arg(2 - i));
            EXPECT_EQ(journal.text(entries[i]), texts[2 - i].second);
        }
        // Kept, an old text gains a header and still gives what it held.
        ASSERT_EQ(journal.setKept(entries[1], true).text, "");
        entries = journal.entries();
        EXPECT_TRUE(entries[1].kept);
        EXPECT_EQ(journal.text(entries[1]), texts[1].second);
    }
}

} // namespace
} // namespace zel::journal
