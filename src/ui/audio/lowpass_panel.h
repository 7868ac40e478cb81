#pragma once
// The lowpass filter slider (40..240 Hz, 40 at the top, a tick every 5 Hz) with its caption,
// scale and value label.

#include <QWidget>

#include <cstdint>

class QLabel;
class QSlider;

namespace zel::ui {

class LowpassPanel : public QWidget {
    Q_OBJECT
public:
    explicit LowpassPanel(QWidget* parent = nullptr);

    int frequency() const;
    // Shows `hertz` clamped to the slider's range (a lowpass not set, -1, shows as 40 Hz) and
    // refreshes the value label.
    void setFrequency(int32_t hertz);

private:
    void updateValueLabel();

    QSlider* m_slider = nullptr;
    QLabel* m_value = nullptr;
};

} // namespace zel::ui
