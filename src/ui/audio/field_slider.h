#pragma once
// A slider over the range of a field of the command language, moving in steps of 1, with tick
// marks on both sides that divide the range into equal steps.

#include <Qt>

class QSlider;
class QWidget;

namespace zel::model {
struct Field;
}

namespace zel::ui {

QSlider* makeFieldSlider(Qt::Orientation orientation, const model::Field& field, int tickDivisions,
                         QWidget* parent);

} // namespace zel::ui
