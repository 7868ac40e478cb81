// How much a unit's configuration may change before it is another unit.
#include "session/unit/unit_fingerprint.h"

#include <gtest/gtest.h>

#include <functional>

namespace zel::session {
namespace {

// A ZEL-16 of its own names on a fixed address.
UnitFingerprint hotelBar(int zones = 16)
{
    UnitFingerprint unit;
    unit.zoneCount = unit.sourceCount = zones;
    for (int n = 1; n <= zones; ++n) {
        unit.zoneNames << QStringLiteral("Bar zone %1").arg(n);
        unit.sourceNames << QStringLiteral("Bar source %1").arg(n);
    }
    unit.ipAddress = QStringLiteral("192.0.2.10");
    unit.netmask = QStringLiteral("255.255.255.0");
    unit.gateway = QStringLiteral("192.0.2.1");
    return unit;
}

void renameZones(UnitFingerprint& unit, int count)
{
    for (int n = 0; n < count; ++n)
        unit.zoneNames[n] = QStringLiteral("Renamed %1").arg(n);
}

TEST(UnitFingerprint, ToleratesEditsButTellsAnotherUnit)
{
    using Change = std::function<void(UnitFingerprint&)>;
    struct Case {
        const char* what;
        Change change;
        bool sameUnit;
        bool sameByNames; // before a send: the network settings are among what is sent
    };
    const auto onDhcp = [](UnitFingerprint& u) { u.dhcp = true; };
    // clang-format off
    const std::vector<Case> cases = {
        {"nothing changed", [](UnitFingerprint&) {}, true, true},
        {"one zone renamed", [](UnitFingerprint& u) { renameZones(u, 1); }, true, true},
        {"case and blanks of a name", [](UnitFingerprint& u) { u.zoneNames[2] = " BAR ZONE 3 "; }, true, true},
        {"eight zones renamed", [](UnitFingerprint& u) { renameZones(u, 8); }, true, true},
        {"every zone renamed, sources and address kept", [](UnitFingerprint& u) { renameZones(u, 16); }, true, false},
        {"DHCP turned on", onDhcp, true, true},
        {"every name changed, same address", [](UnitFingerprint& u) {
             renameZones(u, 16);
             for (QString& name : u.sourceNames) name += "x";
         }, false, false},
        {"a sister unit, or one renumbered: same names, another address", [](UnitFingerprint& u) {
             u.ipAddress = "192.0.2.11";
         }, false, true},
        {"the other size", [](UnitFingerprint& u) { u = hotelBar(8); }, false, false},
        {"nothing read", [](UnitFingerprint& u) { u = UnitFingerprint(); }, false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const UnitFingerprint before = hotelBar();
        UnitFingerprint after = before;
        c.change(after);
        EXPECT_EQ(looksLikeSameUnit(before, after), c.sameUnit) << similarity(before, after);
        EXPECT_DOUBLE_EQ(similarity(before, after), similarity(after, before));
        EXPECT_EQ(looksLikeSameUnit(before, after, Compared::NamesOnly), c.sameByNames);
    }
}

TEST(UnitFingerprint, UnderDhcpTheNamesAloneTell)
{
    struct Case {
        const char* what;
        int zonesRenamed;
        QString otherAddress;
        bool sameUnit;
    };
    const std::vector<Case> cases = {
        {"the address texts are leftovers", 0, "10.9.9.9", true},
        {"four zones renamed", 4, "", true},
        {"every zone renamed", 16, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UnitFingerprint before = hotelBar();
        before.dhcp = true;
        UnitFingerprint after = before;
        renameZones(after, c.zonesRenamed);
        if (!c.otherAddress.isEmpty())
            after.ipAddress = c.otherAddress;
        EXPECT_EQ(looksLikeSameUnit(before, after), c.sameUnit) << similarity(before, after);
    }
}

TEST(UnitFingerprint, ReadFromTextAsFromTheModelAndKeptAsJson)
{
    const UnitFingerprint read =
        fingerprintOfText("[NO1\"Bar\"]\r\n[NO2\"Terrace\"]\r\n[NI1\"Tuner\"]\r\n[NI2\"CD\"]\r\n"
                          "[DHCP0]\r\n[IP192.0.2.10]\r\n[NM255.255.255.0]\r\n[GW192.0.2.1]\r\n");
    EXPECT_EQ(read.zoneNames, QStringList({"Bar", "Terrace"}));
    EXPECT_EQ(read.sourceNames, QStringList({"Tuner", "CD"}));
    EXPECT_EQ(describeUnit(read), QStringLiteral("2 zones, 2 sources, zone 1 \"Bar\", source 1 "
                                                 "\"Tuner\", 192.0.2.10/255.255.255.0 gateway "
                                                 "192.0.2.1"));
    EXPECT_EQ(UnitFingerprint::fromJson(read.toJson()), read);
}

} // namespace
} // namespace zel::session
