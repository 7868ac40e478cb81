#pragma once
// "History...": the unit journal, grouped by unit, newest first within a unit and the unit used
// last on top. For the chosen entry: "Open" it into the editor, "Compare" it with the
// configuration being edited, or "Restore to Unit". The window does each; the dialog only says
// which entry was chosen.

#include "journal/journal_entry.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace zel::ui {

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    explicit HistoryDialog(QWidget* parent = nullptr);

    // Shows `entries` (newest first); `folder` is where the journal is kept.
    void showEntries(const QList<journal::Entry>& entries, const QString& folder);
    // Restore needs a serial or telnet link: off in File Mode and while a transfer runs.
    void setRestoreEnabled(bool enabled);

    QTreeWidget* list() const { return m_list; }
    QPushButton* openButton() const { return m_open; }
    QPushButton* compareButton() const { return m_compare; }
    QPushButton* restoreButton() const { return m_restore; }
    // The entry chosen in the list; nothing when a unit's row or nothing is chosen.
    std::optional<journal::Entry> chosenEntry() const;

signals:
    void openRequested(const zel::journal::Entry& entry);
    void compareRequested(const zel::journal::Entry& entry);
    void restoreRequested(const zel::journal::Entry& entry);

private:
    void updateButtons();

    QLabel* m_folder;
    QTreeWidget* m_list;
    QPushButton* m_open;
    QPushButton* m_compare;
    QPushButton* m_restore;
    QList<journal::Entry> m_entries;
    bool m_restoreAllowed = false;
};

// "2026-12-09 14:02:11", local time, as the history shows an entry's time.
QString entryTimeText(const journal::Entry& entry);

} // namespace zel::ui
