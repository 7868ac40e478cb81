#include "ui/audio/marked_slider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace zel::ui {

namespace {
constexpr int kTickLength = 4;
}

MarkedSlider::MarkedSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
    // Reserves the room for the marks below (or right of) the groove.
    setTickPosition(QSlider::TicksBelow);
}

void MarkedSlider::setTickValues(QList<int> values)
{
    m_tickValues = std::move(values);
    update();
}

void MarkedSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);

    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const bool horizontal = orientation() == Qt::Horizontal;
    const int handleLength = horizontal ? handle.width() : handle.height();
    const int start = (horizontal ? groove.left() : groove.top()) + handleLength / 2;
    const int span = (horizontal ? groove.width() : groove.height()) - handleLength;

    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    for (int value : m_tickValues) {
        if (value < minimum() || value > maximum())
            continue;
        const int offset = start + QStyle::sliderPositionFromValue(minimum(), maximum(), value,
                                                                   span, option.upsideDown);
        if (horizontal) {
            const int y = height() - 1;
            painter.drawLine(offset, y - kTickLength, offset, y);
        } else {
            const int x = width() - 1;
            painter.drawLine(x - kTickLength, offset, x, offset);
        }
    }
}

} // namespace zel::ui
