#pragma once
// What a slider is read as by a screen reader: the text its value label shows ("Level:100%",
// "+4 dB"), where the toolkit reads the slider's position (0 for a display at 100%). The number a
// reader gets is the one in that text, and a value a reader sets is turned back into the
// position that shows it.

#include <QString>

#include <functional>

class QSlider;

namespace zel::ui {

using SliderText = std::function<QString(int position)>;

// Reads `slider` as `text` gives its positions. Sliders without one are read as the toolkit
// reads them.
void setSliderReading(QSlider* slider, SliderText text);

// Makes every slider with a reading read so; the first call does it, later ones do nothing.
void installSliderReadings();

// The number a reading holds: the one number in `text`, else `position` (a text with none, or
// with two, as "L: 10db / R: 0db", says more than one number can).
double readingNumber(const QString& text, int position);

} // namespace zel::ui
