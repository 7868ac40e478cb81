#include "ui/audio/eq_band_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "model/command_language.h"
#include "ui/audio/slider_scale.h"
#include "ui/common/accessible_naming.h"

namespace zel::ui {

namespace {

constexpr int kSliderHeight = 120;

size_t slot(int band)
{
    return static_cast<size_t>(band - 1);
}

} // namespace

QString bandName(int band)
{
    const std::string_view frequency = model::kBandFrequencies.at(slot(band));
    return EqBandPanel::tr("Band %1Hz")
        .arg(QLatin1String(frequency.data(), static_cast<qsizetype>(frequency.size())));
}

EqBandPanel::EqBandPanel(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const model::Field& level = model::commandField(model::Command::ZoneEqBand, 2);
    // The scale beside the sliders, from the band level's range: "+10db", "+0db", "-10db".
    auto* scale = new QWidget(this);
    QVBoxLayout* scaleLayout = makeScaleLayout(scale, decibelScale(level));
    scaleLayout->setContentsMargins(0, 0, 0, 0);
    scale->setLayout(scaleLayout);
    grid->addWidget(scale, 1, 0);

    for (int band = 1; band <= model::kBands; ++band) {
        const std::string_view frequency = model::kBandFrequencies[slot(band)];
        auto* caption = new QLabel(
            QLatin1String(frequency.data(), static_cast<qsizetype>(frequency.size())), this);
        auto* slider = new QSlider(Qt::Vertical, this);
        auto* value = new QLabel(QStringLiteral("0"), this);
        slider->setObjectName(QStringLiteral("bandSlider%1").arg(band));
        setAccessibleCaption(slider, tr("Band %1Hz").arg(caption->text()));
        value->setObjectName(QStringLiteral("bandValue%1").arg(band));
        slider->setRange(level.low, level.high);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setTickPosition(QSlider::TicksBothSides);
        slider->setTickInterval(1);
        slider->setMinimumHeight(kSliderHeight);
        grid->addWidget(caption, 0, band, Qt::AlignHCenter);
        grid->addWidget(slider, 1, band, Qt::AlignHCenter);
        grid->addWidget(value, 2, band, Qt::AlignHCenter);
        m_sliders[slot(band)] = slider;
        m_valueLabels[slot(band)] = value;
        connect(slider, &QSlider::valueChanged, this, [this, band] { updateValueLabel(band); });
    }
}

int EqBandPanel::level(int band) const
{
    return m_sliders.at(slot(band))->value();
}

void EqBandPanel::setLevel(int band, int level)
{
    m_sliders.at(slot(band))->setValue(level);
}

std::array<int, model::kBands> EqBandPanel::levels() const
{
    std::array<int, model::kBands> result{};
    for (int band = 1; band <= model::kBands; ++band)
        result[slot(band)] = level(band);
    return result;
}

void EqBandPanel::setLevels(const std::array<int8_t, model::kBands>& levels)
{
    for (int band = 1; band <= model::kBands; ++band) {
        setLevel(band, levels[slot(band)]);
        updateValueLabel(band);
    }
}

QSlider* EqBandPanel::slider(int band) const
{
    return m_sliders.at(slot(band));
}

QLabel* EqBandPanel::valueLabel(int band) const
{
    return m_valueLabels.at(slot(band));
}

void EqBandPanel::updateValueLabel(int band)
{
    m_valueLabels.at(slot(band))->setNum(m_sliders.at(slot(band))->value());
}

} // namespace zel::ui
