// The journal's bound with the units this computer knows: another unit fetched again and again at
// one address never pushes out a site unit's backup, and the unit directory never names a file
// that is gone.
#include "session/unit_journal.h"

#include "link/filled_configuration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::session {
namespace {

QByteArray textOf(const model::ConfigModel& configuration)
{
    return test::configurationLines(configuration).join(QStringLiteral("\r\n")).toLatin1();
}

TEST(UnitJournal, AnotherUnitAtTheSameAddressNeverDropsASiteUnitsBackup)
{
    const QTemporaryDir folder;
    const QString directoryPath = folder.filePath("units.json");
    const QString address = QStringLiteral("tcp:127.0.0.1:2323");
    journal::Journal journal(folder.filePath("journal"));
    protectKnownUnits(journal, directoryPath);

    const model::ConfigModel lobby = test::filledZel16();
    // Two fetches of the site unit, neither naming its identity: the older one is the backup the
    // directory names, the newer one is told by its fingerprint.
    std::optional<journal::Entry> backup;
    std::optional<journal::Entry> newest;
    ASSERT_EQ(keepFetch(journal, address, {}, true, {}, textOf(lobby), &backup), QString());
    ASSERT_EQ(keepFetch(journal, address, {}, true, {}, textOf(lobby), &newest), QString());
    UnitDirectory directory(directoryPath);
    ASSERT_TRUE(directory
                    .update([&](UnitDirectory& units) {
                        KnownUnit& known = units.add(QStringLiteral("Lobby"), fingerprintOf(lobby));
                        known.backupEntry = backup->file;
                        known.lastBackup = backup->time;
                        UnitDirectory::reached(known, address, backup->time);
                    })
                    .done());

    // Another unit: a few lines of it are enough for the journal, and quick to tell apart.
    const QByteArray otherText = "[SD1]\r\n[NO1\"Other\"]\r\n";
    for (int n = 0; n < 505; ++n)
        ASSERT_EQ(keepFetch(journal, address, {}, true, {}, otherText), QString()) << n;

    QStringList files;
    for (const journal::Entry& entry : journal.entries())
        files << entry.file;
    EXPECT_EQ(files.size(), 500);
    EXPECT_TRUE(files.contains(backup->file));
    EXPECT_TRUE(files.contains(newest->file));
    ASSERT_EQ(directory.load(), QString());
    for (const KnownUnit& known : directory.units())
        EXPECT_TRUE(QFile::exists(journal.folder() + u'/' + known.backupEntry))
            << known.backupEntry.toStdString();
    // Every file the index names is there, and no other.
    EXPECT_EQ(QDir(journal.folder()).entryList({QStringLiteral("*.zel")}).size(), files.size());
}

} // namespace
} // namespace zel::session
