#pragma once
// A small dialog that asks which of several items (zones, presets) an action reaches: a line
// of text, the options of what the action takes along (when it has any) as check boxes, the
// items with check boxes (Space ticks the current one), "All", "None", "OK" and "Cancel".

#include "ui/common/user_prompts.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace zel::ui {

class TickDialog : public QDialog {
    Q_OBJECT
public:
    TickDialog(const QString& title, const QString& text, const QList<TickableItem>& items,
               QWidget* parent = nullptr, const QList<TickableItem>& options = {});

    // Positions (from 0) of the ticked items.
    QList<int> tickedItems() const;
    // Each option's state, in the order given.
    QList<bool> optionStates() const;
    QListWidget* list() const { return m_list; }
    QList<QCheckBox*> options() const { return m_options; }
    QPushButton* okButton() const { return m_ok; }

private:
    void tickAll(bool ticked);
    // An action that takes nothing along does nothing: "OK" waits for an option.
    void updateOk();

    QListWidget* m_list;
    QList<QCheckBox*> m_options;
    QPushButton* m_ok = nullptr;
};

} // namespace zel::ui
