#include "ui/audio/field_slider.h"

#include <QSlider>

#include "model/command_language.h"
#include "ui/audio/slider_scale.h"

namespace zel::ui {

QSlider* makeFieldSlider(Qt::Orientation orientation, const model::Field& field, int tickDivisions,
                         QWidget* parent)
{
    auto* slider = new QSlider(orientation, parent);
    slider->setRange(field.low, field.high);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBothSides);
    slider->setTickInterval(tickInterval(field, tickDivisions));
    return slider;
}

} // namespace zel::ui
