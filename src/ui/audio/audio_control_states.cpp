#include "ui/audio/audio_control_states.h"

#include "model/config_model.h"

namespace zel::ui {

AudioControlStates audioControlStates(int eqMode, bool audioKnown, bool volumeLocked)
{
    AudioControlStates states;
    states.volumeGroup = audioKnown;
    // A zone without an EQ-mode line keeps its volume off with the rest of the group: its audio
    // lines are not exported, so an edit there would be lost.
    states.volumeLevel = audioKnown && !volumeLocked;
    states.eq = eqMode == model::kEqModeZq;
    states.preset = eqMode == model::kEqModePreset;
    states.tone = eqMode == model::kEqModeTone;
    states.lowpass = eqMode == model::kEqModeLowpass;
    states.lowpassShown = states.lowpass;
    return states;
}

} // namespace zel::ui
