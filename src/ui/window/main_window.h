#pragma once
// The program's window: the menus that drive every transfer, the "Configuration File" page and
// the seven pages on which the configuration is edited, and the status line. It wires the
// configuration session, the pages and the link together with three operations:
//   reset              - model and pages back to their blank state, editing pages disabled;
//   reader run         - the configuration text box read into the model, pages enabled and filled;
//   commit and refresh - pages' pending edits stored into the model, names shown again.

#include "journal/journal_entry.h"
#include "model/config_diff.h"
#include "model/config_reader.h"
#include "model/templates.h"
#include "model/unit_model.h"
#include "session/configuration/configuration_session.h"
#include "session/send/compared_unit.h"
#include "session/send/send_bridge.h"
#include "session/send/unit_send.h"
#include "session/site/site_link.h"
#include "text/file_save.h"
#include "ui/history/kept_configuration.h"

#include <QDateTime>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabWidget;

namespace zel::ui {

class ConfigurationFilePage;
class EditorPageSet;
class FindUnitsDialog;
class HistoryDialog;
class LinkController;
class LiveController;
class QuickEqLibrary;
class SiteWindow;
class UnitCommitsController;
class UnitComparison;
class UserPrompts;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 713;
    static constexpr int kClientHeight = 430;

    // Tab positions of the pages, in the order the window shows them.
    enum Page {
        kConfigurationFilePage,
        kNamingPage,
        kFavoriteGroupNamingPage,
        kZoneAudioPage,
        kPresetsPage,
        kFavoritesPage,
        kGroupsPage,
        kNetworkPage,
    };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The configuration being edited, and its model.
    session::ConfigurationSession& session() { return m_session; }
    model::ConfigModel& model() { return m_session.model(); }
    const model::ConfigModel& model() const { return m_session.model(); }

    // Left box of the "Configuration File" page: received text and transfer logs.
    QPlainTextEdit* configurationTextBox() const { return m_configurationTextBox; }
    // Right box of the same page: the reader's log and the exported configuration text.
    QPlainTextEdit* logTextBox() const { return m_logTextBox; }
    QTabWidget* tabs() const { return m_tabs; }

    // The status line; its texts begin with a blank (" Complete").
    QString statusText() const;
    void setStatusText(const QString& text);

    // The seven editing pages.
    EditorPageSet& pageSet() const { return *m_pageSet; }

    QAction* fileModeAction() const { return m_fileModeAction; }
    QAction* serialModeAction() const { return m_serialModeAction; }
    QAction* telnetModeAction() const { return m_telnetModeAction; }
    // Holds the three mode items. At most one is checked; none is checked when no link is chosen.
    QActionGroup* linkModeGroup() const { return m_linkModeGroup; }
    QAction* newZel8Action() const { return m_newZel8Action; }
    QAction* newZel16Action() const { return m_newZel16Action; }
    QAction* importAction() const { return m_importAction; }
    QAction* exportAction() const { return m_exportAction; }
    QAction* compareAction() const { return m_compareAction; }
    QAction* reportAction() const { return m_reportAction; }
    QAction* historyAction() const { return m_historyAction; }
    // "Find Units...", "New Site", "Open Site...".
    QAction* findUnitsAction() const { return m_findUnitsAction; }
    QAction* newSiteAction() const { return m_newSiteAction; }
    QAction* openSiteAction() const { return m_openSiteAction; }
    QAction* exitAction() const { return m_exitAction; }
    // "Edit": undo and redo the edits made since the configuration was loaded, each named.
    QAction* undoAction() const { return m_undoAction; }
    QAction* redoAction() const { return m_redoAction; }
    // "Edit": set several records alike, as one step each.
    QAction* copyZoneSettingsAction() const { return m_copyZoneSettingsAction; }
    QAction* copyPresetEqAction() const { return m_copyPresetEqAction; }
    QAction* copyZoneEqAction() const { return m_copyZoneEqAction; }
    QAction* aboutAction() const { return m_aboutAction; }

    // The device link: link mode, serial port, telnet host and the running transfer.
    LinkController* link() const { return m_link; }
    // "Compare with Unit" and its dialog.
    UnitComparison* comparison() const { return m_comparison; }
    // Live mode: the "Unit" menu, its state line and its questions.
    LiveController* live() const { return m_live; }
    // The "History" dialog; null before it was first shown.
    HistoryDialog* historyDialog() const { return m_history; }
    // The "Find Units" dialog and the site window; null before they were first shown.
    FindUnitsDialog* findUnitsDialog() const { return m_findUnits; }
    SiteWindow* siteWindow() const { return m_siteWindow; }

    // The PC quick EQ preset files both audio pages show.
    QuickEqLibrary& quickEqLibrary() const { return *m_quickEqLibrary; }

    // The questions and messages the window, its link and its pages put to the user.
    UserPrompts& prompts() { return *m_prompts; }
    // Replaces them (tests answer them in code).
    void setPrompts(std::unique_ptr<UserPrompts> prompts);

    // Text of the About message: the program's name and version.
    static QString aboutText();

    // The routine a report and what the report dialog remembers are saved with (tests put a
    // failing one in its place).
    void setReportSaveRoutine(text::SaveRoutine save) { m_reportSave = std::move(save); }
    // Whether a command's work with a unit has not ended: a transfer runs, or one follows at once
    // on one that ended (the export after the fetch that tells the unit's model, the fetch again
    // around a Send Selected).
    bool unitWorkPending() const;

public slots:
    // Blanks the model and every page before anything new is read; the editing pages are left
    // disabled, the tabs stay selectable.
    void reset();
    // Reads the configuration text box into the model (its log goes to the log text box),
    // enables the editing pages and shows the configuration on them.
    model::ReadSummary readerRun();
    // Stores what the pages show into the model, then shows the names again everywhere. Runs
    // after every change of page and first thing in every export.
    void commitAndRefresh();
    // "New ZEL-8" / "New ZEL-16": a blank configuration of that unit size. Asks first when
    // that would discard unsaved edits.
    void newTemplate(model::UnitSize size);
    // Brings the "Configuration File" page to the front without a commit-and-refresh: the
    // commands that do this go on to replace what the pages show.
    void showConfigurationPage();

    // "Import": reset, then the configuration text comes over the chosen link and is read. Asks
    // first when that would discard unsaved edits.
    void importConfiguration();
    // A file given to the program (opened from the file manager): File Mode, then the import of
    // that file, as "Import" would read it had it been chosen in the open dialog.
    void openFile(const QString& path);
    // "Export": commit and refresh, the writer's text into the log text box, then that text goes
    // over the chosen link. Refuses to send a unit a configuration that holds nothing read, and
    // asks before sending one that was not read whole.
    void exportConfiguration();
    // "Compare with Unit": commit and refresh, then the unit's configuration (a file's in File
    // Mode) is fetched into one of its own and compared with the one being edited, which stays
    // as it is.
    void compareWithUnit();
    // "Report...": commit and refresh, then the configuration being edited saved as a report for
    // the client (HTML or PDF by the file's type). The dialog proposes the site, client and
    // installer remembered for the unit and the changes since the visit's start: the first whole
    // fetch from the unit since the program started, else the journal's newest whole fetch from
    // it before that; another journal entry or a file may be chosen. A report that cannot be
    // written is said so in one message box.
    void saveReport();

    // "Send Selected" in the Compare dialog: only the lines the `chosen` differences need go to
    // the unit compared with, each block made of the edited values of the chosen rows and the
    // unit's values of the rest; then its configuration is fetched and compared again. Refused
    // when that comparison's fetch did not come whole. A comparison older than a minute, or one
    // that a transfer since may have outdated, is fetched again first: when the unit changed
    // since, its new differences are shown and nothing is sent.
    void sendSelected(const std::vector<model::Difference>& chosen);

    // "History...": the unit journal, with Open, Compare and Restore to Unit.
    void showHistory();
    // "Open": the entry read into the editor as an import reads; asks first when that would
    // discard unsaved edits. False when it was not opened.
    bool openJournalEntry(const journal::Entry& entry);
    // "Compare": the entry compared with the configuration being edited.
    void compareJournalEntry(const journal::Entry& entry);
    // "Restore to Unit": the entry sent over the chosen link, with the guards of an export and
    // a question that names the unit and the entry's time. The editor is left as it is.
    void restoreJournalEntry(const journal::Entry& entry);
    // Keeps the entry from the journal's bound, or lets the bound drop it again.
    void keepJournalEntry(const journal::Entry& entry, bool kept);
    // Open, Compare and Restore to Unit of a configuration kept earlier: a journal entry's, or
    // a site unit's at a commit of its site's history.
    bool openKept(const KeptConfiguration& kept);
    void compareKept(const KeptConfiguration& kept);
    void restoreKept(const KeptConfiguration& kept);

    // "Find Units...": units on the PC's networks and the ports ticked; the one chosen gives
    // the link mode and address.
    void showFindUnits();
    // The site window, empty ("New Site") or with the site file the user picks ("Open Site...").
    SiteWindow* showSiteWindow();
    // A site's "Open": the unit's last backup into the editor (or, without one, an import from
    // it), with the link set to the unit.
    void openSiteUnit(const std::optional<journal::Entry>& backup, const session::SiteLink& link);

    void showAbout();

signals:
    // A commit-and-refresh has finished: the model holds what the pages show.
    void committedAndRefreshed();

protected:
    // Exit and the close box: asks before unsaved edits are discarded or a running export is
    // stopped halfway.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    // "Find Units...", "New Site" and "Open Site..." in `menu`.
    void buildSiteItems(QMenu* menu);
    void buildEditMenu();
    // Undo or redo put `step`'s model back: the pages show it, the record it changed in view.
    void showRestored(const session::EditStep& step);
    // Runs one of the copies of settings_copy.h on the model as the pages show it.
    template <typename Copy> void copySettings(Copy copy, int from);
    void buildPages();
    // What every import does first: asks before unsaved edits are lost, blanks the model and
    // the pages and shows the emptied configuration text box. False when the user declines or a
    // transfer is running.
    bool prepareImport();
    void onPageChanged();
    // The reader run has filled the model: the log shown, the pages filled and committed.
    void showRead(const model::ReadSummary& summary, const model::LogLines& log);
    // The reader run after an import, and what it tells of the configuration that came.
    void applyImport(const QString& source, const QString& incompleteReason);
    void showComparison(const QString& text, const QString& source, const QString& unit,
                        const QString& incompleteReason, bool cancelled);
    // Shows the last comparison with a unit in the dialog, `note` above it when not empty; after
    // a Send Selected (`afterSend`) a unit that now holds what is edited is taken as holding it.
    void showCompared(bool afterSend, const QString& note = {});
    // Import, export and the "New" commands follow the link and what is loaded.
    void updateCommands();
    // A unit's work has not ended, or live mode holds the unit: nothing else may go to it or
    // replace the configuration being edited.
    bool unitBusy() const;
    // True when nothing would be lost, or the user agrees to `question`.
    bool confirmDiscardingEdits(const QString& question);
    // Asks, Cancel first, before an export of names or addresses that a config line cannot
    // carry (read so from a file or a unit); true when there are none or the user goes on.
    bool confirmUncarriedTexts();
    // Refuses, or asks, before the configuration being edited goes over the chosen link when it
    // holds nothing read, did not come whole, or did not set all a whole configuration sets;
    // true when it may go.
    bool confirmWholeEnough();
    // What a send to a unit is for.
    enum class SendFor { Export, Restore, Selected };
    // Reads the unit the link reaches (the journal keeps the read), then puts the findings to the
    // user and sends what `compose` makes of what the unit holds now (session/send/unit_send.h).
    void sendToUnit(SendFor what, session::send::Outgoing outgoing,
                    session::send::UnitSend::Compose compose);
    // The read before a send came, or was cancelled.
    void readBeforeSend(const QString& text, const QString& incompleteReason, bool cancelled);
    // The window's answer to a finding of the send path: a question, or a refusal said.
    bool answerFinding(const session::send::Finding& finding);
    // What is edited, ready to go: its missing parts asked about when it is not whole enough.
    session::send::Outgoing editedOutgoing();
    // Runs `step` once the transfer that is ending has been shown as ended.
    void afterThisTransfer(std::function<void()> step);
    // The read before a Send Selected stopped it: says why, with what differs now.
    void showSelectedStopped(const session::send::Finding& finding);
    // The site window and the "Find Units" dialog ask with the window's prompts.
    void setSitePrompts();
    // What a History dialog's commits ask for is done here; Restore goes to the site's unit.
    void connectKeptRequests(UnitCommitsController* commits);
    // Closes the site window (it asks before unsaved changes are lost); false when it stays.
    bool closeSiteWindow();
    // An entry with its text; nothing, after saying why, when it cannot be read.
    std::optional<KeptConfiguration> keptEntry(const journal::Entry& entry);

    // The pages hold references to its model. As children of the window they would outlive it
    // (the members go before the base class deletes the children), so the destructor deletes
    // them, and the link that may still be running, first.
    session::ConfigurationSession m_session;

    QTabWidget* m_tabs = nullptr;
    ConfigurationFilePage* m_filePage = nullptr;
    // The file page's two boxes, which the link and the reader run write to.
    QPlainTextEdit* m_configurationTextBox = nullptr;
    QPlainTextEdit* m_logTextBox = nullptr;
    QLabel* m_statusLabel = nullptr;
    EditorPageSet* m_pageSet = nullptr;

    QActionGroup* m_linkModeGroup = nullptr;
    QAction* m_fileModeAction = nullptr;
    QAction* m_serialModeAction = nullptr;
    QAction* m_telnetModeAction = nullptr;
    QAction* m_newZel8Action = nullptr;
    QAction* m_newZel16Action = nullptr;
    QAction* m_importAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_compareAction = nullptr;
    QAction* m_reportAction = nullptr;
    QAction* m_historyAction = nullptr;
    QAction* m_findUnitsAction = nullptr;
    QAction* m_newSiteAction = nullptr;
    QAction* m_openSiteAction = nullptr;
    QAction* m_exitAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_copyZoneSettingsAction = nullptr;
    QAction* m_copyPresetEqAction = nullptr;
    QAction* m_copyZoneEqAction = nullptr;
    QAction* m_aboutAction = nullptr;

    std::unique_ptr<UserPrompts> m_prompts;
    QuickEqLibrary* m_quickEqLibrary = nullptr; // a child of the window, outlives the pages

    // Set while a command brings a page to the front itself, so that the change of page does
    // not commit pages that the command is about to refill.
    bool m_changingPageQuietly = false;

    LinkController* m_link = nullptr;
    UnitComparison* m_comparison = nullptr;
    LiveController* m_live = nullptr;
    HistoryDialog* m_history = nullptr;
    // The commits of the site's unit the link reaches, in the History dialog.
    UnitCommitsController* m_historyCommits = nullptr;
    FindUnitsDialog* m_findUnits = nullptr;
    SiteWindow* m_siteWindow = nullptr;
    // Set while a journal entry is restored: the unit then holds it, not what is edited.
    bool m_restoring = false;
    // The last comparison, when it fetched from a unit.
    session::ComparedUnit m_compared;
    bool m_sendingSelected = false; // the export of Send Selected runs
    // What the running fetch for a comparison is for.
    enum class FetchFor {
        Comparison, // "Compare with Unit"
        AfterSend,  // what the unit holds after a Send Selected
        BeforeSend, // what the unit holds now, before anything is sent to it (m_unitSend)
    };
    FetchFor m_fetchFor = FetchFor::Comparison;
    SendFor m_sendFor = SendFor::Export;
    session::send::SendBridge m_sendBridge;
    session::send::UnitSend m_unitSend;
    std::function<void()> m_nextStep; // runs once the transfer ending has been shown
    text::SaveRoutine m_reportSave = text::saveWholeFile;
    bool m_closing = false; // the window was closed: nothing more is started
};

} // namespace zel::ui
