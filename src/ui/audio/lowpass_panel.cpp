#include "ui/audio/lowpass_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

#include "model/command_language.h"
#include "ui/access/accessible_naming.h"
#include "ui/access/slider_reading.h"
#include "ui/audio/field_slider.h"
#include "ui/audio/slider_scale.h"

namespace zel::ui {

namespace {
const model::Field& kLowpass = model::commandField(model::Command::Lowpass, 1);
constexpr int kLowpassDivisions = 40; // every 5 Hz
} // namespace

LowpassPanel::LowpassPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("lowpassGroup"));
    // 40 Hz at the top: the appearance is upside down, and so are the keys, so that "up"
    // still moves the handle up.
    m_slider = makeFieldSlider(Qt::Vertical, kLowpass, kLowpassDivisions, this);
    m_slider->setInvertedAppearance(true);
    m_slider->setInvertedControls(true);
    m_slider->setPageStep(m_slider->tickInterval());
    m_value = new QLabel(hertzCaption(kLowpass.low), this);
    m_slider->setObjectName(QStringLiteral("lowpassSlider"));
    m_value->setObjectName(QStringLiteral("lowpassValue"));
    setAccessibleCaption(m_slider, tr("Lowpass Filter"));
    setSliderReading(m_slider, hertzCaption);
    m_slider->setToolTip(tr("The zone passes only frequencies below this one "
                            "(40Hz to 240Hz), as for a subwoofer"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(tr("Lowpass Filter"), this), 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addLayout(makeScaleLayout(this, hertzScale(kLowpass)), 1, 0);
    grid->addWidget(m_slider, 1, 1, Qt::AlignHCenter);
    grid->addWidget(m_value, 2, 1, Qt::AlignHCenter);

    connect(m_slider, &QSlider::valueChanged, this, &LowpassPanel::updateValueLabel);
}

int LowpassPanel::frequency() const
{
    return m_slider->value();
}

void LowpassPanel::setFrequency(int32_t hertz)
{
    m_slider->setValue(static_cast<int>(std::clamp<int32_t>(hertz, kLowpass.low, kLowpass.high)));
    updateValueLabel();
}

void LowpassPanel::updateValueLabel()
{
    m_value->setText(hertzCaption(m_slider->value()));
}

} // namespace zel::ui
