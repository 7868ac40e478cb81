// The main window's menus: File with the link modes, Edit with undo, redo and the copies of
// settings, About.
#include "ui/window/main_window.h"

#include "ui/common/painting_suspended.h"
#include "ui/copy/copy_parts_memory.h"
#include "ui/copy/settings_copy.h"
#include "ui/live/live_controller.h"
#include "ui/pages/presets_page.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/transfer/link_controller.h"
#include "ui/window/editor_page_set.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QUndoStack>

namespace zel::ui {

void MainWindow::buildMenus()
{
    // Each caption carries a mnemonic ("&File": Alt+F opens the menu); the commands a user repeats
    // also have a shortcut. Escape stays free: it stops a running transfer.
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));

    // The link's radio items; the checked one is the link mode.
    m_linkModeGroup = m_link->linkModeGroup();
    m_fileModeAction = m_link->fileModeAction();
    m_serialModeAction = m_link->serialModeAction();
    m_telnetModeAction = m_link->telnetModeAction();
    fileMenu->addActions(m_linkModeGroup->actions());

    m_newZel8Action = fileMenu->addAction(tr("New ZEL-&8"));
    m_newZel16Action = fileMenu->addAction(tr("New ZEL-1&6"));
    fileMenu->addSeparator();
    m_importAction = fileMenu->addAction(tr("&Import"));
    m_exportAction = fileMenu->addAction(tr("&Export"));
    m_compareAction = fileMenu->addAction(tr("Compare with &Unit"));
    m_reportAction = fileMenu->addAction(tr("&Report..."));
    m_historyAction = fileMenu->addAction(tr("&History..."));
    fileMenu->addSeparator();
    buildSiteItems(fileMenu);
    fileMenu->addSeparator();
    m_exitAction = fileMenu->addAction(tr("E&xit"));

    buildEditMenu();

    menuBar()->addMenu(m_live->menu());
    // "About" is a command of the menu bar itself, not a menu.
    m_aboutAction = menuBar()->addAction(tr("&About"));

    m_fileModeAction->setShortcut(Qt::CTRL | Qt::Key_1);
    m_serialModeAction->setShortcut(Qt::CTRL | Qt::Key_2);
    m_telnetModeAction->setShortcut(Qt::CTRL | Qt::Key_3);
    m_importAction->setShortcut(Qt::CTRL | Qt::Key_I);
    m_exportAction->setShortcut(Qt::CTRL | Qt::Key_E);
    m_exitAction->setShortcut(Qt::CTRL | Qt::Key_Q);

    connect(m_newZel8Action, &QAction::triggered, this,
            [this] { newTemplate(model::UnitSize::Zel8); });
    connect(m_newZel16Action, &QAction::triggered, this,
            [this] { newTemplate(model::UnitSize::Zel16); });
    connect(m_importAction, &QAction::triggered, this, &MainWindow::importConfiguration);
    connect(m_exportAction, &QAction::triggered, this, &MainWindow::exportConfiguration);
    connect(m_compareAction, &QAction::triggered, this, &MainWindow::compareWithUnit);
    connect(m_reportAction, &QAction::triggered, this, &MainWindow::saveReport);
    connect(m_historyAction, &QAction::triggered, this, &MainWindow::showHistory);
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::buildEditMenu()
{
    QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
    // The items name the step they take back or do again: "Undo Zone 3 Volume".
    m_undoAction = m_session.undoStack()->createUndoAction(this, tr("&Undo"));
    m_redoAction = m_session.undoStack()->createRedoAction(this, tr("&Redo"));
    m_undoAction->setShortcuts(QKeySequence::Undo);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!redoKeys.contains(key))
            redoKeys << key;
    }
    m_redoAction->setShortcuts(redoKeys);
    editMenu->addAction(m_undoAction);
    editMenu->addAction(m_redoAction);
    editMenu->addSeparator();
    m_copyZoneSettingsAction = editMenu->addAction(tr("&Copy Zone Settings to Zones..."));
    m_copyPresetEqAction = editMenu->addAction(tr("Copy &Preset EQ to Zones..."));
    m_copyZoneEqAction = editMenu->addAction(tr("Copy Zone &EQ to Presets..."));
    m_copyZoneSettingsAction->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

    ZoneAudioPage* zonePage = m_pageSet->zoneAudioPage();
    PresetsPage* presetsPage = m_pageSet->presetsPage();
    connect(m_copyZoneSettingsAction, &QAction::triggered, this, [this, zonePage] {
        QString memoryError;
        const auto copy = [&memoryError](model::ConfigModel& model, int zone,
                                         UserPrompts& prompts) {
            return copyZoneSettings(model, zone, prompts, CopyPartsMemory(), &memoryError);
        };
        copySettings(copy, zonePage->currentZone());
        if (!memoryError.isEmpty())
            setStatusText(QStringLiteral(" The settings chosen to copy could not be kept for "
                                         "the next copy: %1")
                              .arg(memoryError));
    });
    connect(m_copyPresetEqAction, &QAction::triggered, this, [this, presetsPage] {
        copySettings(copyPresetEqToZones, presetsPage->currentPreset());
    });
    connect(m_copyZoneEqAction, &QAction::triggered, this,
            [this, zonePage] { copySettings(copyZoneEqToPresets, zonePage->currentZone()); });
    connect(zonePage->copyButton(), &QPushButton::clicked, m_copyZoneSettingsAction,
            &QAction::trigger);
    connect(presetsPage->copyButton(), &QPushButton::clicked, m_copyPresetEqAction,
            &QAction::trigger);
}

template <typename Copy> void MainWindow::copySettings(Copy copy, int from)
{
    if (!m_session.loaded().isLoaded())
        return;
    m_pageSet->commitToModel();
    if (const std::optional<session::EditStep> step = copy(m_session.model(), from, *m_prompts)) {
        m_pageSet->reshowModel();
        m_session.recordEdit(*step);
    }
}

void MainWindow::showRestored(const session::EditStep& step)
{
    const PaintingSuspended suspended(m_tabs);
    m_pageSet->reshowModel();
    if (EditorPage* page = m_pageSet->pageEditing(step.subject)) {
        m_tabs->setCurrentWidget(page);
        if (step.record > 0)
            page->showRecord(step.subject, step.record);
    }
    commitAndRefresh();
}

} // namespace zel::ui
