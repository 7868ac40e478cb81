#pragma once
// The "Zone Audio Controls" page: one zone's ZoneAudio at a time. The controls are copied into
// the zone's record only by saveZone(), which runs when another zone is chosen and when the
// main window commits the pages; dragging a slider changes nothing but its value label.

#include <QList>

#include "ui/pages/editor_page.h"

class QPushButton;

namespace zel::ui {

class EqBandPanel;
class LowpassPanel;
class QuickEqLibrary;
class QuickEqPanel;
class TonePanel;
class VolumeBalancePanel;
class ZoneColumn;

class ZoneAudioPage : public EditorPage {
    Q_OBJECT
public:
    // `quickEq` keeps the PC quick EQ preset files the page's quick EQ controls show.
    ZoneAudioPage(model::ConfigModel& model, QuickEqLibrary& quickEq, QWidget* parent = nullptr);

    void resetView() override;
    void loadFromModel() override;
    void commitToModel() override;
    void refreshNames() override;
    void reshowModel() override;
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
    // "Copy Settings...": the window copies the zone's settings onto other zones.
    QPushButton* copyButton() const;

private:
    void buildLayout(QuickEqLibrary& quickEq);
    // Every control the user edits reports its edit, named after the zone shown.
    void reportEdits();
    session::EditStep zoneStep(const QString& what) const;
    // A drop-down's edit: paced as a choice when it was stepped to by keys.
    session::EditStep choiceStep(const QString& what) const;

    void chooseZone(int row);
    void applyModeRule();
    void applyVolumeLockRule();
    void rebuildPresetBox();

    int m_currentZone = 1;
    // Whether the zone shown when the mode rule last ran has its audio settings.
    bool m_zoneAudioKnown = false;

    EqBandPanel* m_bands = nullptr;
    QuickEqPanel* m_quickEq = nullptr;
    TonePanel* m_tone = nullptr;
    LowpassPanel* m_lowpass = nullptr;
    VolumeBalancePanel* m_volume = nullptr;
    ZoneColumn* m_column = nullptr;

    // The widgets the page was built with, directly inside it.
    QList<QWidget*> m_ownWidgets;
    // Containers that only arrange controls: enabled again whenever the mode rule runs.
    QList<QWidget*> m_panels;
};

} // namespace zel::ui
