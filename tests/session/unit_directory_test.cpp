// The units this computer knows: which one a site line stands for, and a damaged file kept.
#include "session/unit/unit_directory.h"

#include "support/failing_write_device.h"
#include "support/file_faults.h"

#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::session {
namespace {

TEST(UnitDirectory, FindsTheUnitASiteLineStandsFor)
{
    const QTemporaryDir folder;
    UnitDirectory directory(folder.filePath("units.json"));
    const QDateTime monday(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
    ASSERT_TRUE(directory
                    .update([&](UnitDirectory& units) {
                        KnownUnit& bar = units.add("Bar", {});
                        UnitDirectory::reached(bar, "tcp:192.0.2.10:23", monday);
                        KnownUnit& lobby = units.add("Lobby", {});
                        UnitDirectory::reached(lobby, "serial:/dev/ttyUSB0", monday);
                        UnitDirectory::reached(lobby, "serial:/dev/ttyUSB1", monday.addDays(1));
                    })
                    .done());

    UnitDirectory read(directory.path());
    ASSERT_EQ(read.load(), QString());
    struct Case {
        const char* what;
        QString name;
        QString unit;
        QString found; // the name of the unit found; empty: none
    };
    const std::vector<Case> cases = {
        {"its name at its address", "Bar", "tcp:192.0.2.10:23", "Bar"},
        {"moved: its name at another address", "bar", "tcp:192.0.2.99:23", "Bar"},
        {"renamed line: its address under another name", "Main Bar", "tcp:192.0.2.10:23", "Bar"},
        {"a renumbered port: the newest address counts", "Lobby", "serial:/dev/ttyUSB1", "Lobby"},
        {"a port it was reached at before", "Terrace", "serial:/dev/ttyUSB0", "Lobby"},
        {"a unit never met", "Terrace", "tcp:192.0.2.50:23", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const KnownUnit* known = read.forSiteLine(c.name, c.unit);
        EXPECT_EQ(known ? known->name : QString(), c.found);
    }
    EXPECT_EQ(read.units()[1].addresses.front().unit, QStringLiteral("serial:/dev/ttyUSB1"));
}

TEST(UnitDirectory, AnUpdateThatFailsSaysWhyAndLeavesTheFile)
{
    using Kind = DirectoryUpdate::Kind;
    struct Case {
        QByteArray before; // the file as it is; none: no data folder
        Kind kind;
        QString says;
    };
    const QByteArray known = "{\"units\": [ {\"identity\": \"a\", \"name\": \"Bar\"} ]}";
    const std::vector<Case> cases = {
        {"{\"units\": [ {\"identity\": \"a\", \"na", Kind::Unreadable, "it was left as it is"},
        {known, Kind::Busy, "another program holds"},
        {known, Kind::WriteFailed, "No space left on device"}, // the disk fills up
        {known, Kind::WriteFailed, "is the disk full"},        // no lock file can be made
        {{}, Kind::Missing, "no data folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says.toStdString());
        const QTemporaryDir folder;
        const QString path = c.before.isEmpty() ? QString() : folder.filePath("units.json");
        QFile file(path);
        ASSERT_TRUE(path.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(c.before)));
        file.close();
        UnitDirectory directory(path);
        QLockFile other(path + QStringLiteral(".lock"));
        if (c.kind == Kind::Busy)
            ASSERT_TRUE(other.tryLock(0));
        if (c.says.startsWith(QLatin1String("No space")))
            directory.setSaveRoutine(
                test::failingSaveWhere([](const QString&) { return true; }, 8));
        std::optional<test::FileSizeLimit> fullDisk;
        if (c.says.startsWith(QLatin1String("is the disk")))
            fullDisk.emplace(0);
        const DirectoryUpdate update =
            directory.update([](UnitDirectory& units) { units.add("Terrace", {}); });
        fullDisk.reset();
        EXPECT_EQ(update.kind, c.kind);
        EXPECT_TRUE(update.text.contains(c.says)) << update.text.toStdString();
        if (!path.isEmpty()) // left as it was
            EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == c.before);
    }
}

} // namespace
} // namespace zel::session
