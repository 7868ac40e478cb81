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
    journal::Journal journal(folder.filePath("journal"));
    protectKnownUnits(journal, folder.filePath("units.json"));
    const model::ConfigModel lobby = test::filledZel16();
    const QByteArray lobbyText = test::configurationLines(lobby).join("\r\n").toLatin1();
    // Two fetches of the site unit, neither naming its identity: the older is the backup the
    // directory names, the newer is told by its fingerprint.
    std::optional<journal::Entry> backup;
    std::optional<journal::Entry> newest;
    ASSERT_EQ(
        keepFetch(journal, address, journal::Cause::SiteBackup, {}, true, {}, lobbyText, &backup),
        QString());
    ASSERT_EQ(
        keepFetch(journal, address, journal::Cause::SiteBackup, {}, true, {}, lobbyText, &newest),
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
        ASSERT_EQ(keepFetch(journal, address, journal::Cause::SiteBackup, {}, true, {},
                            "[SD1]\r\n[NO1\"Other\"]\r\n"),
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

// A site unit's history holds every entry made with it: the parts sent and a read cut short
// name too little of a unit to be told by their text, and belong to the unit reached there.
TEST(UnitJournal, AUnitsHistoryListsEveryEntryMadeWithIt)
{
    const QTemporaryDir folder;
    const QString address = QStringLiteral("tcp:127.0.0.1:2323");
    journal::Journal journal(folder.filePath("journal"));
    const model::ConfigModel lobby = test::filledZel16();
    const QByteArray lobbyText = test::configurationLines(lobby).join("\r\n").toLatin1();
    UnitDirectory directory(folder.filePath("units.json"));
    ASSERT_TRUE(directory
                    .update([&](UnitDirectory& units) {
                        UnitDirectory::reached(units.add("Lobby", fingerprintOf(lobby)), address,
                                               QDateTime::currentDateTimeUtc());
                    })
                    .done());
    struct Case {
        journal::Kind kind;
        QString unit;
        QByteArray text;
        bool listed;
    };
    const QByteArray part = "[NO1\"Hall\"]\r\n[NG3\"Upstairs\"]\r\n[EC]\r\n";
    const QList<Case> cases = {
        {journal::Kind::WholeFetch, address, lobbyText, true},
        {journal::Kind::PartialSend, address, part, true},
        {journal::Kind::LiveSend, address, "[VO1R-20]\r\n", true},
        {journal::Kind::IncompleteFetch, address, lobbyText.left(300), true},
        {journal::Kind::WholeSend, address, lobbyText, true},
        {journal::Kind::IncompleteSend, address, lobbyText.left(300), true},
        {journal::Kind::WholeFetch, address, "[SD1]\r\n[NO1\"Other\"]\r\n", false},
        {journal::Kind::PartialSend, QStringLiteral("tcp:127.0.0.2:2323"), part, false},
    };
    for (const Case& c : cases) {
        journal::Entry entry;
        journal::setKind(entry, c.kind);
        entry.unit = c.unit;
        ASSERT_EQ(journal.record(entry, c.text), QString());
    }
    ASSERT_EQ(directory.load(), QString());
    const QList<journal::Entry> listed = historyOf(journal, directory, directory.units().front());
    QList<journal::Kind> kinds;
    for (const journal::Entry& entry : listed)
        kinds.prepend(journal::kindOf(entry)); // oldest first, as made
    QList<journal::Kind> expected;
    for (const Case& c : cases)
        if (c.listed)
            expected << c.kind;
    EXPECT_EQ(kinds, expected);
}

} // namespace
} // namespace zel::session
