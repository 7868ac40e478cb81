#pragma once
// The window's menu bar: "File" with the link modes and every command that reads or writes a
// configuration, and the sites; "Edit" with undo, redo and the copies of settings; live mode's
// "Unit" menu; "About". Each caption carries a mnemonic ("&File": Alt+F opens the menu), the
// commands a user repeats also a shortcut. It only makes the items: the window connects each to
// what does it.

#include <QObject>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QUndoStack;

namespace zel::ui {

class LinkController;

class MainMenus : public QObject {
    Q_OBJECT
public:
    // The menus of `window`'s menu bar, with `link`'s mode items, `undo`'s items and `unitMenu`.
    MainMenus(QMainWindow& window, LinkController& link, QUndoStack& undo, QMenu* unitMenu);

    QAction* fileModeAction() const { return m_fileMode; }
    QAction* serialModeAction() const { return m_serialMode; }
    QAction* telnetModeAction() const { return m_telnetMode; }
    // Holds the three mode items. At most one is checked; none is checked when no link is chosen.
    QActionGroup* linkModeGroup() const { return m_linkModeGroup; }
    QAction* newZel8Action() const { return m_newZel8; }
    QAction* newZel16Action() const { return m_newZel16; }
    QAction* importAction() const { return m_import; }
    QAction* exportAction() const { return m_export; }
    QAction* compareAction() const { return m_compare; }
    QAction* reportAction() const { return m_report; }
    QAction* historyAction() const { return m_history; }
    QAction* findUnitsAction() const { return m_findUnits; }
    QAction* newSiteAction() const { return m_newSite; }
    QAction* openSiteAction() const { return m_openSite; }
    QAction* exitAction() const { return m_exit; }
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }
    QAction* copyZoneSettingsAction() const { return m_copyZoneSettings; }
    QAction* copyPresetEqAction() const { return m_copyPresetEq; }
    QAction* copyZoneEqAction() const { return m_copyZoneEq; }
    QAction* aboutAction() const { return m_about; }

    // The commands follow whether the unit is busy (a command's work with it has not ended, or
    // live mode holds it), whether a configuration is loaded and whether a transfer runs.
    void followState(bool unitBusy, bool loaded, bool transferRunning);

private:
    void buildFileMenu(QMainWindow& window, LinkController& link);
    void buildEditMenu(QMainWindow& window, QUndoStack& undo);

    QActionGroup* m_linkModeGroup = nullptr;
    QAction* m_fileMode = nullptr;
    QAction* m_serialMode = nullptr;
    QAction* m_telnetMode = nullptr;
    QAction* m_newZel8 = nullptr;
    QAction* m_newZel16 = nullptr;
    QAction* m_import = nullptr;
    QAction* m_export = nullptr;
    QAction* m_compare = nullptr;
    QAction* m_report = nullptr;
    QAction* m_history = nullptr;
    QAction* m_findUnits = nullptr;
    QAction* m_newSite = nullptr;
    QAction* m_openSite = nullptr;
    QAction* m_exit = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_copyZoneSettings = nullptr;
    QAction* m_copyPresetEq = nullptr;
    QAction* m_copyZoneEq = nullptr;
    QAction* m_about = nullptr;
};

} // namespace zel::ui
