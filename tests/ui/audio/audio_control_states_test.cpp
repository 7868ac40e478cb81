// Which zone audio controls the mode and the volume lock leave editable, without a widget.
#include <gtest/gtest.h>

#include <string>

#include "model/config_model.h"
#include "ui/audio/audio_control_states.h"

using namespace zel;
using namespace zel::ui;

TEST(AudioControlStates, ModeEnablesItsGroupAndTheLockHoldsTheVolume)
{
    struct Case {
        int mode;
        bool known, locked;
        AudioControlStates expected; // volume group, level, eq, preset, tone, lowpass, shown
    };
    const Case cases[] = {
        {model::kEqModeDisabled, true, false, {true, true, false, false, false, false, false}},
        {model::kEqModeZq, true, false, {true, true, true, false, false, false, false}},
        {model::kEqModePreset, true, false, {true, true, false, true, false, false, false}},
        {model::kEqModeTone, true, false, {true, true, false, false, true, false, false}},
        {model::kEqModeLowpass, true, false, {true, true, false, false, false, true, true}},
        {-1, true, false, {true, true, false, false, false, false, false}},
        {7, true, false, {true, true, false, false, false, false, false}},
        {model::kEqModeTone, true, true, {true, false, false, false, true, false, false}},
        {model::kEqModeZq, false, false, {false, false, true, false, false, false, false}},
        {model::kEqModeLowpass, false, true, {false, false, false, false, false, true, true}},
        {-1, false, true, {false, false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + (c.known ? " known" : " unknown") +
                     (c.locked ? " locked" : ""));
        EXPECT_EQ(audioControlStates(c.mode, c.known, c.locked), c.expected);
    }
}
