#pragma once
// The "Zone Audio Controls" page: one zone's ZoneAudio at a time. The controls are copied into
// the zone's record only by saveZone(), which runs when another zone is chosen and when the
// main window commits the pages; dragging a slider changes nothing but its value label.

#include <QList>

#include "ui/pages/editor_page.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QSlider;

namespace zel::ui {

class EqBandPanel;
class MarkedSlider;
class QuickEqLibrary;
class QuickEqPanel;

class ZoneAudioPage : public EditorPage {
    Q_OBJECT
public:
    // `quickEq` keeps the PC quick EQ preset files the page's quick EQ controls show.
    ZoneAudioPage(model::ConfigModel& model, QuickEqLibrary& quickEq, QWidget* parent = nullptr);

    void resetView() override;
    void loadFromModel() override;
    void commitToModel() override;
    void refreshNames() override;
    bool edits(model::DiffSubject subject) const override;
    void showRecord(model::DiffSubject subject, int number) override;
    void pageShown() override;

    int currentZone() const { return m_currentZone; }
    // Fills the controls from zone `zone` (1..16) and applies the mode rule.
    void loadZone(int zone);
    // Stores the controls into zone `zone` (1..16); the audio-known flag stays as it is.
    void saveZone(int zone);

    EqBandPanel* bandPanel() const { return m_bands; }
    QuickEqPanel* quickEqPanel() const { return m_quickEq; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitColumnToFont();
    void buildLayout(QuickEqLibrary& quickEq);
    QWidget* buildToneGroup();
    QWidget* buildLowpassGroup();
    void connectControls();

    void chooseZone(int row);
    void applyModeRule();
    void applyVolumeLockRule();
    void rebuildPresetBox();
    void fillZoneList(const QStringList& entries);

    void updateToneLabels();
    void updateVolumeLabel();
    void updateBalanceLabel();
    void updateLowpassLabel();

    int m_currentZone = 1;
    bool m_volumeGroupEnabled = false;

    QListWidget* m_zoneList = nullptr;
    QLabel* m_zonesCaption = nullptr;
    EqBandPanel* m_bands = nullptr;
    QuickEqPanel* m_quickEq = nullptr;
    QSlider* m_bass = nullptr;
    QSlider* m_treble = nullptr;
    QLabel* m_bassValue = nullptr;
    QLabel* m_trebleValue = nullptr;
    QSlider* m_volume = nullptr;
    QLabel* m_volumeValue = nullptr;
    QLabel* m_volumeMinLabel = nullptr;
    QLabel* m_volumeMaxLabel = nullptr;
    MarkedSlider* m_balance = nullptr;
    QLabel* m_balanceValue = nullptr;
    QSlider* m_lowpass = nullptr;
    QLabel* m_lowpassValue = nullptr;
    QComboBox* m_modeBox = nullptr;
    QComboBox* m_presetBox = nullptr;
    QCheckBox* m_volumeLock = nullptr;

    // The widgets the page was built with, directly inside it.
    QList<QWidget*> m_ownWidgets;
    // Containers that only arrange controls: enabled again whenever the mode rule runs.
    QList<QWidget*> m_panels;
    // The control groups the mode rule enables.
    QList<QWidget*> m_volumeGroup;
    QList<QWidget*> m_eqGroup;
    QList<QWidget*> m_presetGroup;
    QWidget* m_toneGroup = nullptr;
    QWidget* m_lowpassGroup = nullptr;
};

} // namespace zel::ui
