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
        const auto taken = [&, uses = uses](std::string_view what) {
            return uses.find(what) != std::string_view::npos ? source : untouched;
        };
        EXPECT_EQ(to, (ZoneAudio{true, taken("bands").bands, taken("bass").bass,
                                 taken("treble").treble, -20, -5, mode,
                                 taken("preset").systemEqPreset, taken("lowpass").lowpass, false}));
    }
}

TEST(ZoneSettingsCopy, TakesOnlyTheChosenPartsAndKeepsALockedZoneAtZero)
{
    // A zone in ZQ mode onto one in tone mode; the parts taken: V volume, L lock, B balance, M
    // mode.
    const auto zone = [](int8_t volume, int8_t balance, bool zq, bool locked) {
        ZoneAudio audio{true, {-1}, 0,     0, volume, balance, zq ? kEqModeZq : kEqModeTone,
                        0,    100,  locked};
        if (zq)
            audio.bands = {4, 4, 4};
        return audio;
    };
    const ZoneAudio from = zone(-20, -5, true, false), lockedFrom = zone(0, -5, true, true);
    const ZoneAudio to = zone(-12, 9, false, false), lockedTo = zone(-12, 9, false, true);
    // clang-format off
    const std::tuple<const char*, ZoneAudio, ZoneAudio, std::string_view, ZoneAudio> cases[] = {
        {"everything", from, to, "VLBM", from},
        {"the EQ alone keeps volume and balance", from, to, "M", zone(-12, 9, true, false)},
        {"the volume alone", from, to, "V", zone(-20, 9, false, false)},
        {"the balance alone", from, to, "B", zone(-12, -5, false, false)},
        {"a lock brings the volume to 0 dB", lockedFrom, to, "L", zone(0, 9, false, true)},
        {"a volume onto a zone that stays locked is 0 dB", from, lockedTo, "V", zone(0, 9, false, true)},
        {"an unlock keeps the target's volume", from, lockedTo, "L", to},
        {"the balance alone leaves a locked zone's volume", from, lockedTo, "B", zone(-12, -5, false, true)},
        {"nothing chosen", from, to, "", to},
    };
    // clang-format on
    for (const auto& [what, source, target, taken, expected] : cases) {
        SCOPED_TRACE(what);
        const auto has = [taken = taken](char part) {
            return taken.find(part) != std::string_view::npos;
        };
        ZoneAudio copied = target;
        copyZoneSettings(source, copied, {has('V'), has('L'), has('B'), has('M')});
        EXPECT_EQ(copied, expected);
    }
}

} // namespace
} // namespace zel::model
