#pragma once
// The column at the right of the zone audio controls: the "Zones" list, the "DSP Mode" box and
// the "ZEL EQ Preset" box, as wide as the list must be to show whole names. Setting the list's
// entries or a box's item from the program runs none of the user's actions.

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zel::ui {

class ZoneColumn : public QWidget {
    Q_OBJECT
public:
    explicit ZoneColumn(QWidget* parent = nullptr);

    int zoneRow() const;
    // Chooses the row quietly; a row beyond the list leaves the choice as it was.
    void setZoneRowQuietly(int row);
    // Replaces the entries, choosing `row` again when it is still in the list.
    void setZoneEntries(const QStringList& entries, int row);
    int zoneCount() const;
    // Chooses the row as the user does, then gives the list the keyboard focus.
    void showZoneRow(int row);
    void focusZoneList();

    int mode() const;
    // An index that names no item leaves the box with no selection.
    void setMode(int index);
    int preset() const;
    void setPreset(int index);
    // Replaces the preset names, keeping the item chosen.
    void setPresetNames(const QStringList& names);

    // "Copy Settings...": the zone's settings onto other zones.
    QPushButton* copyButton() const { return m_copyButton; }

    // Enables the zone list with its caption, and the mode and preset boxes with theirs by
    // `mode` and `preset`; the copy button goes with the mode box.
    void applyStates(bool mode, bool preset);

    // Whether the box's item last picked was stepped to by keys or the wheel, not picked from
    // its list: more may follow while the user looks for the one to stay on.
    bool lastChoiceStepped() const { return m_stepped; }

signals:
    // The user chose the zone list's entry `row`.
    void zoneChosen(int row);
    // The user picked an item of the DSP mode box.
    void modeChosen();
    // The user picked an item of the ZEL EQ preset box.
    void presetChosen();
    // The keyboard focus left a box whose item was stepped to: the choice rests there.
    void choiceLeft();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToFont();

    QLabel* m_zonesCaption = nullptr;
    QListWidget* m_zoneList = nullptr;
    QLabel* m_modeCaption = nullptr;
    QComboBox* m_modeBox = nullptr;
    QLabel* m_presetCaption = nullptr;
    QComboBox* m_presetBox = nullptr;
    QPushButton* m_copyButton = nullptr;
    bool m_stepped = false;
};

} // namespace zel::ui
