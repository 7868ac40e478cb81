// The journal's bound with the units this computer knows: another unit fetched again and again at
// one address never pushes out a site unit's backup, and the directory names no file that is gone.
#include "session/unit/unit_journal.h"

#include "link/filled_configuration.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::session {
namespace {

TEST(UnitJournal, AnotherUnitAtTheSameAddressNeverDropsASiteUnitsBackup)
{
    const QTemporaryDir folder;
    const QString address = QStringLiteral("tcp:127.0.0.1:2323");
    const auto kBackup = journal::Cause::SiteBackup;
    journal::Journal journal(folder.filePath("journal"));
    protectKnownUnits(journal, folder.filePath("units.json"));
    const model::ConfigModel lobby = test::filledZel16();
    const QByteArray lobbyText = test::configurationLines(lobby).join("\r\n").toLatin1();
    // Two fetches of the site unit, neither naming its identity: the older is the backup the
    // directory names, the newer is told by its fingerprint.
    std::optional<journal::Entry> backup;
    std::optional<journal::Entry> newest;
    ASSERT_EQ(keepFetch(journal, address, kBackup, {}, true, {}, lobbyText, &backup).text,
              QString());
    ASSERT_EQ(keepFetch(journal, address, kBackup, {}, true, {}, lobbyText, &newest).text,
              QString());
    UnitDirectory directory(folder.filePath("units.json"));
    ASSERT_TRUE(directory
                    .update([&](UnitDirectory& units) {
                        KnownUnit& known = units.add(QStringLiteral("Lobby"), fingerprintOf(lobby));
                        known.backupEntry = backup->file;
                        UnitDirectory::reached(known, address, backup->time);
                    })
                    .done());

    for (int n = 0; n < 505; ++n) // another unit: a few lines of it are enough here
        ASSERT_EQ(
            keepFetch(journal, address, kBackup, {}, true, {}, "[SD1]\r\n[NO1\"Other\"]\r\n").text,
            QString());

    QStringList files;
    for (const journal::Entry& entry : journal.entries())
        files << entry.file;
    EXPECT_EQ(files.size(), 500);
    EXPECT_TRUE(files.contains(backup->file));
    EXPECT_TRUE(files.contains(newest->file));
    ASSERT_EQ(directory.load(), QString());
    for (const KnownUnit& known : directory.units())
        EXPECT_TRUE(QFile::exists(journal.folder() + u'/' + known.backupEntry));
}

} // namespace
} // namespace zel::session
