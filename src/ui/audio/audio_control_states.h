#pragma once
// Which zone audio controls can be edited, from what the zone's record says: its EQ mode picks
// the one group of settings that mode uses, a zone without an EQ-mode line (audio not known)
// keeps its volume, balance, lock and mode choice off, and a locked volume stays at 0 dB.

namespace zel::ui {

struct AudioControlStates {
    bool volumeGroup = false;  // balance, "Volume Lock", the DSP mode choice
    bool volumeLevel = false;  // the volume slider with its value and scale labels
    bool eq = false;           // the ten band sliders and the PC quick EQ controls
    bool preset = false;       // the ZEL EQ preset choice
    bool tone = false;         // bass and treble
    bool lowpass = false;      // the lowpass filter
    bool lowpassShown = false; // the lowpass filter stands in place of bass and treble

    bool operator==(const AudioControlStates&) const = default;
};

// `eqMode` is the DSP mode box's item index, -1 for none; an index that names no mode enables
// none of the mode groups.
AudioControlStates audioControlStates(int eqMode, bool audioKnown, bool volumeLocked);

} // namespace zel::ui
