#pragma once
// The "PC Quick EQ Presets" controls of a page with band sliders: a box listing the quick EQ
// files of the library, "Save" and "Delete". Choosing an entry copies its curve into the page's
// band sliders; "Save" writes the sliders to a file and shows that file chosen. Every panel of
// the library lists the files anew after a save or a delete on any of them.

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace zel::ui {

class EqBandPanel;
class QuickEqLibrary;
struct QuickEqEntry;

class QuickEqPanel : public QWidget {
    Q_OBJECT
public:
    // `bands` are the sliders this panel reads and sets; they and `library` must outlive it.
    QuickEqPanel(EqBandPanel& bands, QuickEqLibrary& library, QWidget* parent = nullptr);

    // Lists the library's files anew; the box is left without a selection.
    void refresh();

    // The user's actions, callable directly.
    void applyEntry(int index);
    void saveCurve();
    void deleteChosen();

    QComboBox* box() const { return m_box; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* deleteButton() const { return m_delete; }
    // True while a chosen curve is being put into the band sliders.
    bool isApplying() const { return m_applying; }

signals:
    // The user's choice of `entry` has set the band sliders: one edit, not ten.
    void curveApplied(const QString& entry);

protected:
    // Keeps "Delete" off while no entry is chosen, whatever enables the page's controls.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QuickEqEntry entryAt(int index) const;
    void updateDeleteButton();

    EqBandPanel& m_bands;
    QuickEqLibrary& m_library;
    QLabel* m_caption = nullptr;
    QComboBox* m_box = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_delete = nullptr;
    bool m_applying = false;
};

} // namespace zel::ui
