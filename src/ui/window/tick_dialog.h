#pragma once
// A small dialog that asks which of several items (zones, presets) an action reaches: a line
// of text, the items with check boxes (Space ticks the current one), "All", "None", "OK" and
// "Cancel".

#include "ui/common/user_prompts.h"

#include <QDialog>

class QListWidget;

namespace zel::ui {

class TickDialog : public QDialog {
    Q_OBJECT
public:
    TickDialog(const QString& title, const QString& text, const QList<TickableItem>& items,
               QWidget* parent = nullptr);

    // Positions (from 0) of the ticked items.
    QList<int> tickedItems() const;
    QListWidget* list() const { return m_list; }

private:
    void tickAll(bool ticked);

    QListWidget* m_list;
};

} // namespace zel::ui
