// The units this computer knows: which one a site line stands for, and a damaged file kept.
#include "session/unit_directory.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::session {
namespace {

TEST(UnitDirectory, FindsTheUnitASiteLineStandsFor)
{
    const QTemporaryDir folder;
    UnitDirectory directory(folder.filePath("units.json"));
    const QDateTime monday(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
    ASSERT_EQ(directory.update([&](UnitDirectory& units) {
        KnownUnit& bar = units.add("Bar", {});
        UnitDirectory::reached(bar, "tcp:192.0.2.10:23", monday);
        KnownUnit& lobby = units.add("Lobby", {});
        UnitDirectory::reached(lobby, "serial:/dev/ttyUSB0", monday);
        UnitDirectory::reached(lobby, "serial:/dev/ttyUSB1", monday.addDays(1));
    }),
              QString());

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

TEST(UnitDirectory, AFileItCannotReadIsLeftAsItIs)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath("units.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"units\": [ {\"identity\": \"a\", \"na"); // cut short
    file.close();
    UnitDirectory directory(path);
    const QString error = directory.update([](UnitDirectory& units) { units.add("Bar", {}); });
    EXPECT_TRUE(error.contains("it was left as it is")) << error.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("{\"units\": [ {\"identity\": \"a\", \"na"));
}

} // namespace
} // namespace zel::session
