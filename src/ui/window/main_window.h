#pragma once
// The program's window, the shell of the editor: the menus, the "Configuration File" page and the
// seven pages on which the configuration is edited, the status line, and the wiring of one
// controller per feature (the link, sends, comparison, journal, sites, report, live mode, copies).
// It keeps what every feature shares, with three operations:
//   reset              - model and pages back to their blank state, editing pages disabled;
//   reader run         - the configuration text box read into the model, pages enabled and filled;
//   commit and refresh - pages' pending edits stored into the model, names shown again.

#include "model/config_reader.h"
#include "model/templates.h"
#include "session/configuration/configuration_session.h"
#include "ui/window/main_menus.h"

#include <QMainWindow>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace zel::ui {

class CompareController;
class ConfigurationFilePage;
class CopyController;
class EditorPageSet;
class HistoryController;
class LinkController;
class LiveController;
class QuickEqLibrary;
class ReportController;
class SendController;
class SiteController;
class UnitComparison;
class UnitTitle;
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

    // The menus' items (main_menus.h).
    QAction* fileModeAction() const { return m_menus->fileModeAction(); }
    QAction* serialModeAction() const { return m_menus->serialModeAction(); }
    QAction* telnetModeAction() const { return m_menus->telnetModeAction(); }
    QActionGroup* linkModeGroup() const { return m_menus->linkModeGroup(); }
    QAction* newZel8Action() const { return m_menus->newZel8Action(); }
    QAction* newZel16Action() const { return m_menus->newZel16Action(); }
    QAction* importAction() const { return m_menus->importAction(); }
    QAction* exportAction() const { return m_menus->exportAction(); }
    QAction* compareAction() const { return m_menus->compareAction(); }
    QAction* reportAction() const { return m_menus->reportAction(); }
    QAction* historyAction() const { return m_menus->historyAction(); }
    QAction* findUnitsAction() const { return m_menus->findUnitsAction(); }
    QAction* newSiteAction() const { return m_menus->newSiteAction(); }
    QAction* openSiteAction() const { return m_menus->openSiteAction(); }
    QAction* exitAction() const { return m_menus->exitAction(); }
    QAction* undoAction() const { return m_menus->undoAction(); }
    QAction* redoAction() const { return m_menus->redoAction(); }
    QAction* copyZoneSettingsAction() const { return m_menus->copyZoneSettingsAction(); }
    QAction* copyPresetEqAction() const { return m_menus->copyPresetEqAction(); }
    QAction* copyZoneEqAction() const { return m_menus->copyZoneEqAction(); }
    QAction* aboutAction() const { return m_menus->aboutAction(); }

    // The features' controllers.
    // The device link: link mode, serial port, telnet host and the running transfer.
    LinkController* link() const { return m_link; }
    // "Export", and every send to a unit.
    SendController* sends() const { return m_sends; }
    // "Compare with Unit" and its dialog.
    UnitComparison* comparison() const { return m_comparison; }
    CompareController* comparing() const { return m_comparing; }
    // Live mode: the "Unit" menu, its state line and its questions.
    LiveController* live() const { return m_live; }
    // "History..." and what is done with a journal entry.
    HistoryController* history() const { return m_history; }
    // "Find Units...", the site window.
    SiteController* sites() const { return m_sites; }
    // "Report...".
    ReportController* report() const { return m_report; }
    // The unit the window works with, by its site name where it has one; the window's title.
    UnitTitle* unitTitle() const { return m_unitTitle; }

    // The PC quick EQ preset files both audio pages show.
    QuickEqLibrary& quickEqLibrary() const { return *m_quickEqLibrary; }

    // The questions and messages the window, its link and its pages put to the user.
    UserPrompts& prompts() { return *m_prompts; }
    // Replaces them (tests answer them in code).
    void setPrompts(std::unique_ptr<UserPrompts> prompts);

    // Text of the About message: the program's name and version.
    static QString aboutText();

    // Whether a command's work with a unit has not ended: a transfer runs, or one follows at once
    // on one that ended (the export after the read of the unit, the fetch again after a Send
    // Selected).
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
    void showAbout();

signals:
    // A commit-and-refresh has finished: the model holds what the pages show.
    void committedAndRefreshed();

protected:
    // Exit and the close box: asks before unsaved edits are discarded or a running export is
    // stopped halfway.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void buildStatusLine();
    // One controller per feature, each given what it needs of the window; the menus.
    void buildControllers();
    void connectCommands();
    // Undo or redo put `step`'s model back: the pages show it, the record it changed in view.
    void showRestored(const session::EditStep& step);
    // What every import does first: asks before unsaved edits are lost, blanks the model and
    // the pages and shows the emptied configuration text box. False when the user declines or a
    // transfer is running.
    bool prepareImport();
    // What is edited replaced by `text`, read as an import reads it.
    void loadText(const QString& text);
    void onPageChanged();
    // The reader run has filled the model: the log shown, the pages filled and committed.
    void showRead(const model::ReadSummary& summary, const model::LogLines& log);
    // The reader run after an import, and what it tells of the configuration that came.
    void applyImport(const QString& source, const QString& incompleteReason);
    // The commands follow the link, what is loaded and whether the unit is busy.
    void updateCommands();
    // A unit's work has not ended, or live mode holds the unit: nothing else may go to it or
    // replace the configuration being edited.
    bool unitBusy() const;
    // True when nothing would be lost, or the user agrees to `question`.
    bool confirmDiscardingEdits(const QString& question);

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
    MainMenus* m_menus = nullptr;

    std::unique_ptr<UserPrompts> m_prompts;
    QuickEqLibrary* m_quickEqLibrary = nullptr; // a child of the window, outlives the pages

    // Set while a command brings a page to the front itself, so that the change of page does
    // not commit pages that the command is about to refill.
    bool m_changingPageQuietly = false;

    LinkController* m_link = nullptr;
    SendController* m_sends = nullptr;
    UnitComparison* m_comparison = nullptr;
    CompareController* m_comparing = nullptr;
    LiveController* m_live = nullptr;
    HistoryController* m_history = nullptr;
    SiteController* m_sites = nullptr;
    UnitTitle* m_unitTitle = nullptr;
    ReportController* m_report = nullptr;
    CopyController* m_copies = nullptr;
};

} // namespace zel::ui
