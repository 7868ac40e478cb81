#include "ui/audio/eq_band_panel.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "model/command_language.h"
#include "ui/access/accessible_naming.h"
#include "ui/access/slider_reading.h"
#include "ui/audio/slider_scale.h"

namespace zel::ui {

namespace {

constexpr int kSliderHeight = 120;

size_t slot(int band)
{
    return static_cast<size_t>(band - 1);
}

// A band level as a screen reader reads it: "+4 dB", "0 dB", "-3 dB".
QString levelReading(int level)
{
    return EqBandPanel::tr("%1 dB").arg(level > 0 ? QStringLiteral("+%1").arg(level)
                                                  : QString::number(level));
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
        setSliderReading(slider, levelReading);
        slider->installEventFilter(this);
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
    makeCurrent(1);
}

bool EqBandPanel::eventFilter(QObject* watched, QEvent* event)
{
    const int band = bandOf(watched);
    if (band == 0)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn)
        makeCurrent(band);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int step = key->key() == Qt::Key_Left ? -1 : key->key() == Qt::Key_Right ? 1 : 0;
        if (step != 0 && key->modifiers() == Qt::NoModifier) {
            // Left and Right go to the next band (the slider would change its level); at the
            // first and the last band they do nothing.
            const int next = band + (layoutDirection() == Qt::RightToLeft ? -step : step);
            if (next >= 1 && next <= model::kBands)
                m_sliders[slot(next)]->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EqBandPanel::makeCurrent(int band)
{
    m_currentBand = band;
    for (int other = 1; other <= model::kBands; ++other)
        m_sliders[slot(other)]->setFocusPolicy(other == band ? Qt::StrongFocus : Qt::ClickFocus);
}

int EqBandPanel::bandOf(const QObject* slider) const
{
    for (int band = 1; band <= model::kBands; ++band)
        if (m_sliders[slot(band)] == slider)
            return band;
    return 0;
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
