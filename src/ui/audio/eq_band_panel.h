#pragma once
// The ten band sliders (the band levels of the command language, -10..+10 dB, +10 at the top)
// with their frequency captions, scale and value labels, as both the zone audio page and the
// presets page show them. The ten are one stop of the Tab order: Tab enters the band that was
// current last, Left and Right go from band to band, Up, Down, Page Up and Page Down change the
// level.

#include <QWidget>

#include <array>

#include "model/config_model.h"

class QLabel;
class QSlider;

namespace zel::ui {

// "Band 32Hz" ... "Band 16KHz": how band `band` (1..10) is named to the user.
QString bandName(int band);

class EqBandPanel : public QWidget {
    Q_OBJECT
public:
    explicit EqBandPanel(QWidget* parent = nullptr);

    // Bands count from 1. A level beyond -10..+10 is clamped by the slider.
    int level(int band) const;
    void setLevel(int band, int level);
    std::array<int, model::kBands> levels() const;
    // Sets all ten bands and refreshes every value label, whether or not a slider moved.
    void setLevels(const std::array<int8_t, model::kBands>& levels);

    QSlider* slider(int band) const;
    QLabel* valueLabel(int band) const;
    // The band that Tab enters.
    int currentBand() const { return m_currentBand; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateValueLabel(int band);
    void makeCurrent(int band);
    int bandOf(const QObject* slider) const;

    std::array<QSlider*, model::kBands> m_sliders{};
    std::array<QLabel*, model::kBands> m_valueLabels{};
    int m_currentBand = 1;
};

} // namespace zel::ui
