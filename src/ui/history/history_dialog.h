#pragma once
// "History...": the unit journal, grouped by unit, newest first within a unit and the unit used
// last on top, each entry with its time to the second, why it was made, what it is and whether
// it is kept. Each unit's group opens with "Before this visit: <time>": the entry of what the
// unit held when this visit found it (journal::visitStart()), so that what the visit changed is
// one choice away. For the chosen entry: "Open" it into the editor, "Compare" it with the
// configuration being edited, "Restore to Unit", or "Keep" it from the journal's bound. A partial
// send holds only what was sent: it is neither opened nor restored as a whole configuration, and
// the dialog says why. For a site's unit the commits of its site's history are listed too, in a
// group of their own on top (when made, by whom, the message's first line), with Open, Compare
// and Restore to Unit as for an entry. The window does each; the dialog only says which entry or
// commit was chosen.

#include "journal/journal_entry.h"
#include "session/site/site_history.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zel::ui {

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    enum Column {
        kTimeColumn,
        kCauseColumn,
        kKindColumn,
        kLinesColumn,
        kKeptColumn,
        kEndingColumn
    };

    explicit HistoryDialog(QWidget* parent = nullptr);

    // The journal is being read: a busy cursor and a note until showEntries().
    void showReading();
    // Shows `entries` (newest first); `folder` is where the journal is kept.
    void showEntries(const QList<journal::Entry>& entries, const QString& folder);
    // Restore needs a serial or telnet link: off in File Mode and while a transfer runs.
    void setRestoreEnabled(bool enabled);
    // The site's name for the unit the journal names `unit` ("Lobby"); empty for a unit of no
    // open site. A unit's group is headed "Lobby (tcp:192.0.2.10:23)" with it.
    using UnitNames = std::function<QString(const QString& unit)>;
    void setUnitNames(UnitNames names) { m_unitNames = std::move(names); }

    QTreeWidget* list() const { return m_list; }
    QPushButton* openButton() const { return m_open; }
    QPushButton* compareButton() const { return m_compare; }
    QPushButton* restoreButton() const { return m_restore; }
    // Checked while the chosen entry is kept.
    QPushButton* keepButton() const { return m_keep; }
    // Why Open and Restore are off for the chosen entry; hidden when they are not.
    QLabel* noteLabel() const { return m_note; }
    // The entry chosen in the list; nothing when a unit's row or nothing is chosen.
    std::optional<journal::Entry> chosenEntry() const;
    // The "Before this visit" row of `unit`'s group; null when the journal holds no whole fetch
    // of it that day or before.
    QTreeWidgetItem* visitStartItem(const QString& unit) const;

    // The commits of a site's unit (newest first), under `heading`; none hides their group.
    // `note` says why there are none, or that they are still being listed; empty hides it.
    void showCommits(const QString& heading, const QList<session::HistoryCommit>& commits,
                     const QString& note);
    // The group of the commits; null when there is none.
    QTreeWidgetItem* commitsItem() const { return m_commitsItem; }
    QLabel* commitsNoteLabel() const { return m_commitsNote; }
    // The commit chosen in the list; nothing when no commit is chosen.
    std::optional<session::HistoryCommit> chosenCommit() const;

signals:
    void openRequested(const zel::journal::Entry& entry);
    void compareRequested(const zel::journal::Entry& entry);
    void restoreRequested(const zel::journal::Entry& entry);
    void keepRequested(const zel::journal::Entry& entry, bool kept);
    void openCommitRequested(const zel::session::HistoryCommit& commit);
    void compareCommitRequested(const zel::session::HistoryCommit& commit);
    void restoreCommitRequested(const zel::session::HistoryCommit& commit);

private:
    void updateButtons();
    // The commits' group, on top of the list, as m_commits holds them; the commit `chosen` (its
    // hash) is chosen again, else the newest when `chooseNewest`.
    void addCommitRows(const QString& chosen, bool chooseNewest);

    UnitNames m_unitNames;
    QLabel* m_folder;
    QTreeWidget* m_list;
    QPushButton* m_open;
    QPushButton* m_compare;
    QPushButton* m_restore;
    QPushButton* m_keep;
    QLabel* m_note;
    QLabel* m_commitsNote;
    QList<journal::Entry> m_entries;
    QString m_commitsHeading;
    QList<session::HistoryCommit> m_commits;
    QTreeWidgetItem* m_commitsItem = nullptr;
    bool m_restoreAllowed = false;
};

// "2026-12-09 14:02:11", local time, as the history shows an entry's or a commit's time.
QString entryTimeText(const journal::Entry& entry);
QString commitTimeText(const session::HistoryCommit& commit);
// Why an entry that is not a whole configuration (a partial send) is not opened or restored.
QString partialEntryReason(const journal::Entry& entry);

} // namespace zel::ui
