#include "ui/window/main_menus.h"

#include "ui/transfer/link_controller.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QUndoStack>

namespace zel::ui {

MainMenus::MainMenus(QMainWindow& window, LinkController& link, QUndoStack& undo, QMenu* unitMenu)
    : QObject(&window)
{
    buildFileMenu(window, link);
    buildEditMenu(window, undo);
    window.menuBar()->addMenu(unitMenu);
    // "About" is a command of the menu bar itself, not a menu.
    m_about = window.menuBar()->addAction(tr("&About"));
}

void MainMenus::buildFileMenu(QMainWindow& window, LinkController& link)
{
    // Escape stays free: it stops a running transfer.
    QMenu* fileMenu = window.menuBar()->addMenu(tr("&File"));
    // The link's radio items; the checked one is the link mode.
    m_linkModeGroup = link.linkModeGroup();
    m_fileMode = link.fileModeAction();
    m_serialMode = link.serialModeAction();
    m_telnetMode = link.telnetModeAction();
    fileMenu->addActions(m_linkModeGroup->actions());
    m_newZel8 = fileMenu->addAction(tr("New ZEL-&8"));
    m_newZel16 = fileMenu->addAction(tr("New ZEL-1&6"));
    fileMenu->addSeparator();
    m_import = fileMenu->addAction(tr("&Import"));
    m_export = fileMenu->addAction(tr("&Export"));
    m_compare = fileMenu->addAction(tr("Compare with &Unit"));
    m_report = fileMenu->addAction(tr("&Report..."));
    m_history = fileMenu->addAction(tr("&History..."));
    fileMenu->addSeparator();
    m_findUnits = fileMenu->addAction(tr("&Find Units..."));
    m_newSite = fileMenu->addAction(tr("Ne&w Site"));
    m_openSite = fileMenu->addAction(tr("&Open Site..."));
    fileMenu->addSeparator();
    m_exit = fileMenu->addAction(tr("E&xit"));

    m_fileMode->setShortcut(Qt::CTRL | Qt::Key_1);
    m_serialMode->setShortcut(Qt::CTRL | Qt::Key_2);
    m_telnetMode->setShortcut(Qt::CTRL | Qt::Key_3);
    m_import->setShortcut(Qt::CTRL | Qt::Key_I);
    m_export->setShortcut(Qt::CTRL | Qt::Key_E);
    m_exit->setShortcut(Qt::CTRL | Qt::Key_Q);
}

void MainMenus::buildEditMenu(QMainWindow& window, QUndoStack& undo)
{
    QMenu* editMenu = window.menuBar()->addMenu(tr("&Edit"));
    // The items name the step they take back or do again: "Undo Zone 3 Volume".
    m_undo = undo.createUndoAction(&window, tr("&Undo"));
    m_redo = undo.createRedoAction(&window, tr("&Redo"));
    m_undo->setShortcuts(QKeySequence::Undo);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!redoKeys.contains(key))
            redoKeys << key;
    }
    m_redo->setShortcuts(redoKeys);
    editMenu->addAction(m_undo);
    editMenu->addAction(m_redo);
    editMenu->addSeparator();
    m_copyZoneSettings = editMenu->addAction(tr("&Copy Zone Settings to Zones..."));
    m_copyPresetEq = editMenu->addAction(tr("Copy &Preset EQ to Zones..."));
    m_copyZoneEq = editMenu->addAction(tr("Copy Zone &EQ to Presets..."));
    m_copyZoneSettings->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
}

void MainMenus::followState(bool unitBusy, bool loaded, bool transferRunning)
{
    for (QAction* command : {m_import, m_newZel8, m_newZel16})
        command->setEnabled(!unitBusy);
    // With nothing loaded an export would send the blank defaults of the reset.
    for (QAction* command : {m_export, m_compare, m_report})
        command->setEnabled(!unitBusy && loaded);
    for (QAction* copy : {m_copyZoneSettings, m_copyPresetEq, m_copyZoneEq})
        copy->setEnabled(loaded);
    // Choosing another link leaves live mode; during a transfer the link stays as it is.
    m_linkModeGroup->setEnabled(!transferRunning);
}

} // namespace zel::ui
