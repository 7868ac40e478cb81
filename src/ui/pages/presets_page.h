#pragma once
// The "ZEL EQ Presets" page: the unit's ten EQ presets, one at a time. The page's controls are
// copied into the preset only by savePreset(), which runs when another preset is chosen and
// when the main window commits the pages.

#include "ui/pages/editor_page.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zel::ui {

class EqBandPanel;
class QuickEqLibrary;
class QuickEqPanel;

class PresetsPage : public EditorPage {
    Q_OBJECT
public:
    // The user can type this many characters; a longer name read from a unit is kept whole.
    static constexpr int kTypedNameLength = 15;

    // `quickEq` keeps the PC quick EQ preset files the page's quick EQ controls show.
    PresetsPage(model::ConfigModel& model, QuickEqLibrary& quickEq, QWidget* parent = nullptr);

    void resetView() override;
    void loadFromModel() override;
    void commitToModel() override;
    void refreshNames() override;
    void reshowModel() override;
    bool edits(model::DiffSubject subject) const override;
    void showRecord(model::DiffSubject subject, int number) override;
    void pageShown() override;

    int currentPreset() const { return m_currentPreset; }
    // Fills the page from preset `preset` (1..10).
    void loadPreset(int preset);
    // Stores the page into preset `preset` (1..10); a changed name rebuilds the name lists.
    void savePreset(int preset);

    EqBandPanel* bandPanel() const { return m_bands; }
    QuickEqPanel* quickEqPanel() const { return m_quickEq; }
    // "Copy EQ to Zones...": the window copies the preset's bands into zones.
    QPushButton* copyButton() const { return m_copyButton; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitColumnToFont();
    void choosePreset(int row);
    void rebuildPresetList();
    void limitTypedName();
    void reportEdits();
    session::EditStep presetStep(const QString& what) const;

    int m_currentPreset = 1;
    EqBandPanel* m_bands = nullptr;
    QuickEqPanel* m_quickEq = nullptr;
    QListWidget* m_presetList = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QPushButton* m_copyButton = nullptr;
};

} // namespace zel::ui
