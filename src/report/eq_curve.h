#pragma once
// The ten EQ bands of a zone or a preset drawn as a small curve, the way a client reads an
// equaliser: the level of each band from 32 Hz at the left to 16 kHz at the right, each band
// labelled by its frequency below it.

#include "model/config_model.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

namespace zel::report {

using BandLevels = std::array<int8_t, model::kBands>;

// The size at which a curve is shown, in CSS pixels; the picture holds twice as many, so that
// it stays sharp on paper.
inline constexpr int kCurveWidth = 150;
inline constexpr int kCurveHeight = 50; // with a row of band frequencies

// The curve of `bands` (levels -10..+10 dB; a level beyond is drawn at the end of the scale).
QImage eqCurveImage(const BandLevels& bands);

// One name per distinct curve, so that equal curves share one picture.
QString eqCurveName(const BandLevels& bands);

} // namespace zel::report
