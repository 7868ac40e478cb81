#pragma once
// The "PC Quick EQ Presets" controls of a page with band sliders: a box listing the quick EQ
// files of the preset folder, "Save" and "Delete". Choosing an entry copies its curve into the
// page's band sliders; "Save" writes the sliders to a file. Every panel showing the same folder
// lists it anew after a save or a delete on any of them.

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace zel::ui {

class EqBandPanel;
class QuickEqDialogs;

class QuickEqPanel : public QWidget {
    Q_OBJECT
public:
    // `bands` are the sliders this panel reads and sets; they must outlive the panel.
    explicit QuickEqPanel(EqBandPanel& bands, QWidget* parent = nullptr);
    ~QuickEqPanel() override;

    QString folder() const { return m_folder; }
    void setFolder(const QString& folder);
    void setDialogs(std::shared_ptr<QuickEqDialogs> dialogs);

    // Lists the folder's quick EQ files anew; the box is left without a selection.
    void refresh();

    // The user's actions, callable directly.
    void applyEntry(int index);
    void saveCurve();
    void deleteChosen();

    QComboBox* box() const { return m_box; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* deleteButton() const { return m_delete; }

private:
    QString filePathAt(int index) const;

    EqBandPanel& m_bands;
    QString m_folder;
    std::shared_ptr<QuickEqDialogs> m_dialogs;
    QLabel* m_caption = nullptr;
    QComboBox* m_box = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_delete = nullptr;
};

} // namespace zel::ui
