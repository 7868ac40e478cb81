#pragma once
// The captions and tick marks of the audio sliders, taken from the ranges of the fields they
// edit, so that a scale always shows the ends its slider really has.

#include <QList>
#include <QString>
#include <QStringList>

namespace zel::model {
struct Field;
}

class QVBoxLayout;
class QWidget;

namespace zel::ui {

// "+12db", "+0db", "-80db": a level with its sign, zero counted as a boost.
QString decibelCaption(int level);
// "40Hz": a frequency.
QString hertzCaption(int hertz);

// A dB scale from the top of `field`'s range down: its high end, its middle and its low end.
QStringList decibelScale(const model::Field& field);
// A frequency scale from the low end of `field`'s range down to its high end.
QStringList hertzScale(const model::Field& field);

// The distance between tick marks that divide `field`'s range into `divisions` equal steps.
int tickInterval(const model::Field& field, int divisions);
// Marks halfway out to each side and at the centre of a range that is symmetric about zero.
QList<int> centreAndHalfwayTicks(int sideLength);

// The captions stacked beside a vertical slider: the first at the top, the last at the bottom,
// the others evenly between. The labels belong to `parent`.
QVBoxLayout* makeScaleLayout(QWidget* parent, const QStringList& captions);

} // namespace zel::ui
