// A zone's settings copied onto another: volume, lock, balance, mode, and what the mode uses, or
// only the parts chosen.
#include "model/zone_settings_copy.h"

#include <gtest/gtest.h>

namespace zel::model {
namespace {

TEST(ZoneSettingsCopy, TakesTheModeAndWhatItUsesOnly)
{
    const ZoneAudio from{false, {4, 4, 4}, -3, 2, -20, -5, 0, 7, 120, false};
    const ZoneAudio untouched{true, {-1}, 6, 6, -12, 0, 0, 1, 200, true};
    const std::pair<EqMode, std::string_view> cases[] = {
        {kEqModeDisabled, ""},        {kEqModeZq, "bands"},        {kEqModePreset, "preset"},
        {kEqModeTone, "bass treble"}, {kEqModeLowpass, "lowpass"}, {kEqModeNone, ""}};
    for (const auto& [mode, uses] : cases) {
        SCOPED_TRACE(static_cast<int>(mode));
        ZoneAudio source = from;
        source.eqMode = mode;
        ZoneAudio to = untouched;
        copyZoneSettings(source, to);
        const auto taken = [&](std::string_view what) {
            return uses.find(what) != std::string_view::npos ? source : untouched;
        };
        EXPECT_EQ(to, (ZoneAudio{true, taken("bands").bands, taken("bass").bass,
                                 taken("treble").treble, -20, -5, mode,
                                 taken("preset").systemEqPreset, taken("lowpass").lowpass, false}));
    }
}

TEST(ZoneSettingsCopy, TakesOnlyTheChosenPartsAndKeepsALockedZoneAtZero)
{
    const ZoneAudio from{true, {4, 4, 4}, 0, 0, -20, -5, kEqModeZq, 0, 120, false};
    const ZoneAudio target{true, {-1}, 0, 0, -12, 9, kEqModeTone, 0, 200, false};
    ZoneAudio lockedFrom = from;
    lockedFrom.volume = 0;
    lockedFrom.volumeLocked = true;
    ZoneAudio lockedTarget = target;
    lockedTarget.volumeLocked = true;
    struct Case {
        const char* what;
        ZoneAudio source;
        ZoneAudio to;
        ZoneCopyParts parts;
        ZoneAudio expected;
    };
    const Case cases[] = {
        {"everything",
         from,
         target,
         {},
         {true, {4, 4, 4}, 0, 0, -20, -5, kEqModeZq, 0, 200, false}},
        {"the EQ alone keeps volume and balance",
         from,
         target,
         {false, false, false, true},
         {true, {4, 4, 4}, 0, 0, -12, 9, kEqModeZq, 0, 200, false}},
        {"the volume alone",
         from,
         target,
         {true, false, false, false},
         {true, {-1}, 0, 0, -20, 9, kEqModeTone, 0, 200, false}},
        {"the balance alone",
         from,
         target,
         {false, false, true, false},
         {true, {-1}, 0, 0, -12, -5, kEqModeTone, 0, 200, false}},
        {"a lock brings the volume to 0 dB",
         lockedFrom,
         target,
         {false, true, false, false},
         {true, {-1}, 0, 0, 0, 9, kEqModeTone, 0, 200, true}},
        {"a volume onto a zone that stays locked is 0 dB",
         from,
         lockedTarget,
         {true, false, false, false},
         {true, {-1}, 0, 0, 0, 9, kEqModeTone, 0, 200, true}},
        {"an unlock keeps the target's volume",
         from,
         lockedTarget,
         {false, true, false, false},
         {true, {-1}, 0, 0, -12, 9, kEqModeTone, 0, 200, false}},
        {"the balance alone leaves a locked zone's volume",
         from,
         lockedTarget,
         {false, false, true, false},
         {true, {-1}, 0, 0, -12, -5, kEqModeTone, 0, 200, true}},
        {"nothing chosen", from, target, {false, false, false, false}, target},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZoneAudio to = c.to;
        copyZoneSettings(c.source, to, c.parts);
        EXPECT_EQ(to, c.expected);
    }
}

} // namespace
} // namespace zel::model
