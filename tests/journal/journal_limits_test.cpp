// The journal's bound: the oldest entries go first once there are too many or they take too
// much room, and their files go with them; the newest entry always stays.

#include "journal/journal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::journal {
namespace {

TEST(JournalLimits, DropsTheOldestEntriesAndTheirFilesFirst)
{
    struct Case {
        Limits limits;
        std::vector<int> sizes;     // texts recorded, oldest first
        std::vector<int> keptSizes; // entries kept, newest first
    };
    const std::vector<Case> cases = {
        {{3, 1000}, {10, 20, 30, 40, 50}, {50, 40, 30}},
        {{10, 100}, {40, 40, 40}, {40, 40}},
        {{10, 100}, {60, 30, 10}, {10, 30, 60}},
        {{10, 100}, {10, 150}, {150}},
        {{500, 50 * 1024 * 1024}, std::vector<int>(5, 100), std::vector<int>(5, 100)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sizes.size());
        const QTemporaryDir folder;
        Journal journal(folder.path() + QStringLiteral("/journal"), c.limits);
        QDir().mkpath(journal.folder()); // a text a crash left without its entry goes too
        QFile(journal.folder() + QStringLiteral("/left.zel")).open(QIODevice::WriteOnly);
        for (std::size_t i = 0; i < c.sizes.size(); ++i) {
            const QByteArray text = "[SD" + QByteArray::number(int(i)) + "]\r\n";
            ASSERT_EQ(journal.record(Direction::ToUnit, tcpUnit("unit:23"), true, {},
                                     text.leftJustified(c.sizes[i], ' ')),
                      QString());
        }
        const QList<Entry> entries = journal.entries();
        std::vector<int> kept;
        for (const Entry& entry : entries) {
            kept.push_back(int(journal.text(entry).value_or(QByteArray()).size()));
            EXPECT_EQ(entry.configLines, 1);
        }
        EXPECT_EQ(kept, c.keptSizes);
        // The newest is the last recorded, and no file outlives its entry.
        EXPECT_TRUE(journal.text(entries.front())
                        ->startsWith("[SD" + QByteArray::number(int(c.sizes.size() - 1)) + "]"));
        EXPECT_EQ(QDir(journal.folder()).entryList({QStringLiteral("*.zel")}).size(),
                  entries.size());
    }
}

} // namespace
} // namespace zel::journal
