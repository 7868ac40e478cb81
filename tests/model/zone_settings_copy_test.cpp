// A zone's settings copied onto another: volume, lock, balance, mode, and what the mode uses.
#include "model/zone_settings_copy.h"

#include <gtest/gtest.h>

namespace zel::model {
namespace {

TEST(ZoneSettingsCopy, TakesTheModeAndWhatItUsesOnly)
{
    const ZoneAudio from{false, {4, 4, 4}, -3, 2, -20, -5, 0, 7, 120, true};
    const ZoneAudio untouched{true, {-1}, 6, 6, -12, 0, 0, 1, 200, false};
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
                                 taken("preset").systemEqPreset, taken("lowpass").lowpass, true}));
    }
}

} // namespace
} // namespace zel::model
