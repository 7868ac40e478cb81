#pragma once
// The bass and treble sliders (-12..+12 dB, +12 at the top) with their captions, scale and
// value labels. The sliders show the levels as heard: a boost is up.

#include <QWidget>

class QLabel;
class QSlider;

namespace zel::ui {

class TonePanel : public QWidget {
    Q_OBJECT
public:
    explicit TonePanel(QWidget* parent = nullptr);

    int bass() const;
    int treble() const;
    // Sets both levels and refreshes both value labels, whether or not a slider moved.
    void setLevels(int bass, int treble);

private:
    void updateValueLabels();

    QSlider* m_bass = nullptr;
    QSlider* m_treble = nullptr;
    QLabel* m_bassValue = nullptr;
    QLabel* m_trebleValue = nullptr;
};

} // namespace zel::ui
