#pragma once
// Drop-down lists as screen readers read every other control: named by their caption (their own
// accessible name, else the label they are the buddy of) and read by their chosen item as the
// value. Qt on Linux names a drop-down list by its chosen item instead, so that a reader says
// "Preset Mode" where it should say "DSP Mode: Preset Mode".

namespace zel::ui {

// Makes every drop-down list of the program read so; the first call does it, later ones do
// nothing. Lists already read before keep how they were read.
void installComboBoxNaming();

} // namespace zel::ui
