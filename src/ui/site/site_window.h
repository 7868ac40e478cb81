#pragma once
// A site's window: one row per unit of a ".zelsite" file (name, link, last backup, last change
// seen, last result, live state), opened and saved here. "Back Up Site" and "Verify Site" run
// over every unit (see session::SiteRun), the rows following as each unit ends; per row, "Open"
// brings the unit's last backup into the editor with the link set to the unit, "Compare" compares
// that backup with the configuration being edited, and "History" lists the unit's journal
// entries, whatever address they were made at (listed again as the journal keeps more), and its
// commits in the site's history. The editor does the opening, comparing and restoring; this
// window says which unit and entry.

#include "journal/journal_entry.h"
#include "session/restore/unit_history.h"
#include "session/site/site_file.h"
#include "session/site/site_run.h"
#include "ui/history/unit_commits_controller.h"
#include "ui/site/site_report_controller.h"
#include "ui/site/unit_history_listing.h"
#include "ui/transfer/background_queue.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;

namespace zel::ui {

class HistoryDialog;
class SiteFileReader;
class SiteTable;
class UserPrompts;

class SiteWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit SiteWindow(UserPrompts& prompts, QWidget* parent = nullptr);
    ~SiteWindow() override;

    void setPrompts(UserPrompts& prompts) { m_prompts = &prompts; }
    UserPrompts& prompts() const { return *m_prompts; }

    // Opens the site file at `path`, asking first when unsaved changes would be lost: it is read
    // off this thread, then shown (or why it cannot be used is said). False when it is not read.
    bool openSite(const QString& path);
    // An empty site, not yet saved.
    void newSite();
    // Saves to `path`; false after saying why it could not. The old file stays as it was then.
    bool saveSiteAs(const QString& path);
    bool saveSite();
    // Adds a unit given as a site line ("Bar tcp:192.0.2.10"); false after saying why not.
    bool addUnit(const QString& line);
    // Adds `units` in one step, marking the site changed; false when a run goes on, a site file is
    // being read, or one of them cannot be added (session::addSiteUnits() says why), and then
    // none is.
    bool addUnits(const QList<session::SiteUnit>& units);
    void removeUnit(int row);
    // The unit live mode holds, as the journal names it; empty when live mode is off. Its row
    // says "on", every other "off".
    void showLiveUnit(const QString& unitName);
    // Where the site's history keeps the unit the journal names `unitName` (its link); nothing
    // when the site names no such unit, or, with `why` set, when it keeps no history of it.
    std::optional<session::UnitHistoryPlace> historyPlaceOf(const QString& unitName,
                                                            QString& why) const;

    const session::Site& site() const { return m_site; }
    const QString& path() const { return m_path; }
    bool isModified() const { return isWindowModified(); }
    bool isRunning() const { return m_run && m_run->isRunning(); }
    // The rows (site_table.h names their columns).
    QTableWidget* table() const;
    HistoryDialog* historyDialog() const { return m_history; }
    // Where a unit's history is read, after the journal's writes: the window's journal work.
    void setJournalWork(BackgroundQueue& work) { m_journalWork = &work; }
    QAction* backUpAction() const { return m_backUp; }
    QAction* verifyAction() const { return m_verify; }
    QAction* stopAction() const { return m_stop; }
    // "Report...": the site's report for the client.
    QAction* reportAction() const { return m_report; }
    SiteReportController& reports() { return m_reports; }
    QPushButton* openButton() const { return m_openUnit; }
    QPushButton* compareButton() const { return m_compareUnit; }
    QPushButton* historyButton() const { return m_historyButton; }

public slots:
    void backUpSite() { startRun(session::SiteMode::Backup); }
    void verifySite() { startRun(session::SiteMode::Verify); }
    void stopRun();
    void openChosenUnit();
    void compareChosenUnit();
    void showChosenHistory();
    // The rows' backup, change and result columns again from the unit directory.
    void refreshRows();
    // The journal may hold more: the History dialog, when shown, lists its unit again.
    void refreshHistory()
    {
        if (m_historyListing)
            m_historyListing->refresh();
    }

signals:
    // Open: the unit's last backup (nothing when it has none) into the editor, its link chosen.
    void openUnitRequested(const std::optional<zel::journal::Entry>& backup,
                           const zel::session::SiteLink& link);
    void compareRequested(const zel::journal::Entry& entry);
    void restoreRequested(const zel::journal::Entry& entry, const zel::session::SiteLink& link);
    void openEntryRequested(const zel::journal::Entry& entry);
    void keepRequested(const zel::journal::Entry& entry, bool kept);
    // The History dialog's commits are listed by `commits`, made with the dialog: what they ask
    // for is for the editor to do.
    void historyCommitsMade(zel::ui::UnitCommitsController* commits);
    void runFinished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void showSite();
    void showOpenedSite(const QString& path, const session::Site& site);
    // The name or link of a row was edited: taken when the site may hold it, else put back.
    void onUnitEdited(int row, const QString& name, const QString& link);
    void startRun(session::SiteMode mode);
    void onRunFinished();
    void updateActions();
    void updateTitle();
    // The unit of the chosen row; nothing when no row is chosen.
    const session::SiteUnit* chosenUnit() const;
    bool confirmDiscardingChanges(const QString& question);
    bool chooseSavePath();

    UserPrompts* m_prompts;
    session::Site m_site;
    QString m_path;
    SiteTable* m_table;
    QLabel* m_summary;
    QHBoxLayout* m_buttons = nullptr;
    QAction* m_newSite = nullptr;
    QAction* m_openSite = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_addUnit = nullptr;
    QAction* m_removeUnit = nullptr;
    QAction* m_backUp = nullptr;
    QAction* m_verify = nullptr;
    QAction* m_stop = nullptr;
    QAction* m_report = nullptr;
    QPushButton* m_openUnit;
    QPushButton* m_compareUnit;
    QPushButton* m_historyButton;
    HistoryDialog* m_history = nullptr;
    BackgroundQueue* m_journalWork; // its own until the window gives its journal's
    SiteFileReader* m_reader;
    UnitCommitsController* m_historyCommits = nullptr;
    UnitHistoryListing* m_historyListing = nullptr; // the dialog's entries, of the unit it shows
    std::unique_ptr<session::SiteRun> m_run;
    SiteReportController m_reports{*this};
};

} // namespace zel::ui
