// The reset: what it blanks and what it leaves, and the unavailable group marks.

#include "model/model_reset.h"
#include "model/test_support.h"

namespace zel::model {
namespace {

// Every member holds something other than its start value.
ConfigModel filledModel()
{
    ConfigModel model;
    model.raiseZoneCount(12);
    model.raiseSourceCount(5);
    for (int z = 1; z <= kMaxZones; ++z) {
        ZoneAudio& zone = model.zoneAudio(z);
        zone = {true, {}, -3, 4, -20, 7, kEqModeLowpass, 5, 120, true};
        zone.bands.fill(static_cast<int8_t>(z));
        model.setZoneName(z, "Zone " + std::to_string(z));
        model.setSourceName(z, "Source " + std::to_string(z));
        for (int g = 1; g <= kGroups; ++g)
            model.setGroupMark(g, z, "G");
        for (int f = 1; f <= kFavorites; ++f)
            for (int s = 1; s <= kMaxSources; ++s)
                model.setConnection(f, s, z, "A");
    }
    for (int n = 1; n <= kPresets; ++n) {
        model.preset(n).name = "Preset " + std::to_string(n);
        model.preset(n).bands.fill(-2);
        model.setFavoriteName(n, "Favorite");
        model.setGroupName(n, "Group");
    }
    model.network() = {true, "1.2.3.4", "255.0.0.0", "1.2.3.1"};
    model.setFrontPanelLocked(true);
    model.setIrLockout(true);
    model.setDisplayLevel(3);
    return model;
}

TEST(ModelReset, BlanksTheReadStateAndKeepsTheRest)
{
    const ConfigModel before = filledModel();
    ConfigModel model = before;
    resetModel(model);

    // What the reset must leave: built from the filled model by the documented changes only.
    ConfigModel expected = before;
    expected.clearCounts();
    for (int z = 1; z <= kMaxZones; ++z) {
        ZoneAudio& zone = expected.zoneAudio(z);
        const ZoneAudio kept = zone;
        zone = ZoneAudio{};
        zone.lowpass = -1;
        zone.eqMode = kept.eqMode;
        zone.systemEqPreset = kept.systemEqPreset;
        for (int g = 1; g <= kGroups; ++g)
            expected.setGroupMark(g, z, "");
        for (int f = 1; f <= kFavorites; ++f)
            for (int s = 1; s <= kMaxSources; ++s)
                expected.setConnection(f, s, z, "");
    }
    for (int n = 1; n <= kFavorites; ++n) {
        expected.setFavoriteName(n, "");
        expected.setGroupName(n, "");
    }
    EXPECT_TRUE(test::sameModel(expected, model));

    // Spot checks against the filled values, so the expectation above cannot drift with them.
    EXPECT_EQ(model.zoneAudio(16).eqMode, kEqModeLowpass);
    EXPECT_EQ(model.zoneAudio(16).lowpass, -1);
    EXPECT_EQ(model.network().ipAddress, "1.2.3.4");
    EXPECT_EQ(model.zoneName(16), "Zone 16");
    EXPECT_EQ(model.preset(10).name, "Preset 10");
    EXPECT_EQ(model.displayLevel(), 3);
    EXPECT_EQ(model.connection(10, 16, 16), "");
}

TEST(ModelReset, MarksGroupsOfZonesBeyondTheCount)
{
    for (int count : {-1, 0, 1, 8, 15, 16}) {
        SCOPED_TRACE(count);
        ConfigModel model = test::resetModelCopy();
        model.raiseZoneCount(count);
        for (int z = 1; z <= kMaxZones; ++z)
            model.setGroupMark(3, z, "G");
        markUnavailableGroups(model);
        for (int z = 1; z <= kMaxZones; ++z)
            for (int g = 1; g <= kGroups; ++g) {
                const std::string unmarked = g == 3 ? "G" : "";
                EXPECT_EQ(model.groupMark(g, z), z > count ? "X" : unmarked) << g << "/" << z;
            }
    }
}

} // namespace
} // namespace zel::model
