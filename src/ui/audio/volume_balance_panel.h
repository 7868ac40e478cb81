#pragma once
// The volume slider (-80..0 dB) with "Volume Lock" above its right end, and the balance slider
// (full left to full right) under it, each with its value label and scale. A locked volume is
// held at 0 dB.

#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QSlider;

namespace zel::ui {

class MarkedSlider;

class VolumeBalancePanel : public QWidget {
    Q_OBJECT
public:
    // `besideBalance` (may be null) stands to the right of the balance slider, under the right
    // end of the volume slider.
    explicit VolumeBalancePanel(QWidget* besideBalance, QWidget* parent = nullptr);

    int volume() const;
    int balance() const;
    bool isLocked() const;
    // Sets volume, balance and the lock box (without running the lock) and refreshes both
    // value labels, whether or not a slider moved.
    void setSettings(int volume, int balance, bool locked);

    // Enables the balance, the lock box and their labels by `group`; the volume slider with its
    // value and scale labels by `level`. A checked lock first moves the volume to 0 dB.
    void applyStates(bool group, bool level);

signals:
    // The user clicked "Volume Lock".
    void lockClicked();

private:
    void updateVolumeLabel();
    void updateBalanceLabel();

    QSlider* m_volume = nullptr;
    QLabel* m_volumeValue = nullptr;
    QCheckBox* m_lock = nullptr;
    MarkedSlider* m_balance = nullptr;
    QLabel* m_balanceValue = nullptr;
    // The volume slider with its value and scale labels.
    QList<QWidget*> m_levelControls;
    // The balance, the lock box and their labels; the balance centre mark is in neither list.
    QList<QWidget*> m_groupControls;
};

} // namespace zel::ui
