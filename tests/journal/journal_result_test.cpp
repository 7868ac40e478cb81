// A failed journal write says its kind: a busy lock, a full disk, a text unreadable or gone.

#include "journal/journal.h"
#include "support/failing_write_device.h"
#include "support/file_faults.h"

#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace zel::journal {
namespace {

TEST(JournalResult, SaysTheKindOfWhatWentWrong)
{
    using Kind = FileResult::Kind;
    enum class Fault { None, NoFolder, FullDisk, LockHeld, EntryGone, TextUnreadable };
    enum class Step { Record, SetKept };
    struct Case {
        const char* what;
        Fault fault;
        Step step;
        Kind kind;
        QString says; // a part of the text; empty when done
    };
    const std::vector<Case> cases = {
        {"a record", Fault::None, Step::Record, Kind::Done, {}},
        {"a mark", Fault::None, Step::SetKept, Kind::Done, {}},
        {"no data folder", Fault::NoFolder, Step::Record, Kind::Missing, "no data folder"},
        {"a full disk", Fault::FullDisk, Step::Record, Kind::WriteFailed, "No space left"},
        {"a full disk when marking", Fault::FullDisk, Step::SetKept, Kind::WriteFailed,
         "No space left"},
        // The text is the record: the index takes it in later.
        {"a record with the lock held", Fault::LockHeld, Step::Record, Kind::Done, {}},
        {"a mark with the lock held", Fault::LockHeld, Step::SetKept, Kind::Busy,
         "another program is writing the journal"},
        {"a mark of an entry gone", Fault::EntryGone, Step::SetKept, Kind::Missing,
         "no longer in the journal"},
        {"a mark of a text that cannot be read", Fault::TextUnreadable, Step::SetKept,
         Kind::Unreadable, "ermission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QTemporaryDir folder;
        // Open to all, so that an ordinary user meets only the text's own permissions.
        QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777));
        Journal journal(c.fault == Fault::NoFolder ? QString() : folder.path());
        if (c.step == Step::SetKept)
            ASSERT_TRUE(journal.record({}, "[SD1]\r\n").done());
        const Entry entry = journal.entries().value(0);
        QLockFile other(folder.filePath("index.lock"));
        other.setStaleLockTime(0); // never taken for stale: its program is still there
        ASSERT_TRUE(c.fault != Fault::LockHeld || other.tryLock());
        if (c.fault == Fault::FullDisk)
            journal.setSaveRoutine(test::failingSaveWhere([](const QString&) { return true; }, 8));
        ASSERT_TRUE(c.fault != Fault::EntryGone || QFile::remove(folder.filePath(entry.file)));
        ASSERT_TRUE(c.fault != Fault::TextUnreadable ||
                    QFile::setPermissions(folder.filePath(entry.file), {}));
        std::optional<test::AsOrdinaryUser> ordinaryUser;
        if (c.fault == Fault::TextUnreadable)
            ordinaryUser.emplace();
        const FileResult result =
            c.step == Step::Record ? journal.record({}, "[SD3]\r\n") : journal.setKept(entry, true);
        ordinaryUser.reset();
        EXPECT_EQ(result.kind, c.kind) << result.text.toStdString();
        EXPECT_TRUE(c.says.isEmpty() ? result.text.isEmpty() : result.text.contains(c.says))
            << result.text.toStdString();
    }
}

} // namespace
} // namespace zel::journal
