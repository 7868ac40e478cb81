#include "ui/window/main_window.h"

#include "text/latin1_text.h"

#include "zel_version.h"

#include "link/transfer_texts.h"
#include "model/carried_text.h"
#include "model/changed_lines.h"
#include "model/config_model.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "ui/audio/quick_eq_library.h"
#include "ui/pages/editor_page.h"
#include "ui/pages/presets_page.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/compare_dialog.h"
#include "ui/window/configuration_file_page.h"
#include "ui/window/dialog_prompts.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/history_dialog.h"
#include "ui/window/link_controller.h"
#include "ui/window/painting_suspended.h"
#include "ui/window/report_saving.h"
#include "ui/window/settings_copy.h"
#include "ui/window/tab_fitting.h"
#include "ui/window/text_box_loading.h"
#include "ui/window/transfer_progress_panel.h"
#include "ui/window/transfer_status_texts.h"
#include "ui/window/transfer_text_box.h"
#include "ui/window/unit_comparison.h"
#include "ui/window/window_placement.h"
#include "ui/window/window_questions.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>

#include <utility>

namespace zel::ui {

namespace {

const QRect kTabsGeometry(8, 0, 697, 409);
constexpr int kFontPointSize = 8;

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("ZEL Configuration"));
    // The pixel layout of the pages is made for an 8 point window font.
    QFont windowFont = font();
    windowFont.setPointSize(kFontPointSize);
    setFont(windowFont);

    m_prompts = std::make_unique<DialogPrompts>(this);
    m_quickEqLibrary = new QuickEqLibrary(*m_prompts, QuickEqLibrary::programFolders(), this);
    buildPages();
    auto* transferFeed = new TransferTextFeed(m_configurationTextBox, m_configurationTextBox);
    m_link = new LinkController(*transferFeed, *m_prompts, this);
    m_comparison = new UnitComparison(m_tabs, m_pageSet->pages(), this);
    buildMenus();

    m_statusLabel = new QLabel(this);
    // Status texts carry a host or a path as typed: never read them as markup.
    m_statusLabel->setTextFormat(Qt::PlainText);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addPermanentWidget(m_statusLabel, 1);
    statusBar()->addPermanentWidget(m_link->progressPanel());
    statusBar()->setFixedHeight(kClientHeight - kTabsGeometry.bottom() - 1);
    addAction(m_link->cancelAction());

    connect(m_link, &LinkController::statusText, this, &MainWindow::setStatusText);
    connect(m_link, &LinkController::logLine, m_logTextBox, &QPlainTextEdit::appendPlainText);
    connect(m_link, &LinkController::importEnded, this, &MainWindow::applyImport);
    connect(m_link, &LinkController::comparisonFetched, this, &MainWindow::showComparison);
    connect(m_link, &LinkController::transferStarted, this, &MainWindow::updateCommands);
    connect(m_link, &LinkController::transferFinished, this, &MainWindow::updateCommands);
    connect(m_link, &LinkController::configurationDelivered, this, [this](const QString& unit) {
        if (!m_restoring && !m_sendingSelected)
            m_session.exportDelivered(unit.toStdString());
    });
    connect(m_link, &LinkController::transferFinished, this, [this](link::TransferOutcome outcome) {
        m_restoring = false;
        if (std::exchange(m_sendingSelected, false) &&
            outcome == link::TransferOutcome::Completed) {
            // Once the export's end has been shown: fetch again to show what the unit now holds.
            m_comparingAfterSend = true;
            QTimer::singleShot(0, this, [this] {
                m_link->fetchForComparison();
                if (!m_link->isTransferRunning())
                    m_comparingAfterSend = false;
            });
        }
    });
    connect(m_comparison, &UnitComparison::sendRequested, this, &MainWindow::sendSelected);

    // The client area (pages and status line) has a fixed size; the menu bar comes on top.
    setWindowIcon(QIcon(QStringLiteral(":/icons/zelconfig.png")));
    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    centerOnScreen(this);

    reset();
}

MainWindow::~MainWindow()
{
    delete m_link;
    delete centralWidget(); // the tabs and every page
}

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
    m_exitAction = fileMenu->addAction(tr("E&xit"));

    buildEditMenu();

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
    connect(m_copyZoneSettingsAction, &QAction::triggered, this,
            [this, zonePage] { copySettings(copyZoneSettings, zonePage->currentZone()); });
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
    if (const std::optional<EditStep> step = copy(m_session.model(), from, *m_prompts)) {
        m_pageSet->reshowModel();
        m_session.recordEdit(*step);
    }
}

void MainWindow::showRestored(const EditStep& step)
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

void MainWindow::buildPages()
{
    auto* client = new QWidget(this);
    client->setBackgroundRole(QPalette::Button); // the window face is the button-face colour
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    m_tabs = new QTabWidget(client);
    m_tabs->setGeometry(kTabsGeometry);
    m_tabs->tabBar()->setAttribute(Qt::WA_Hover); // hot-tracking tabs

    m_filePage = new ConfigurationFilePage;
    m_configurationTextBox = m_filePage->configurationTextBox();
    m_logTextBox = m_filePage->logTextBox();
    m_tabs->addTab(m_filePage, tr("Configuration File"));
    m_pageSet = new EditorPageSet(m_session.model(), *m_quickEqLibrary, m_tabs);
    m_tabs->setCurrentIndex(kConfigurationFilePage);
    fitTabsToWidth(m_tabs);

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::onPageChanged);
    connect(&m_session, &ConfigurationSession::configurationRead, this, &MainWindow::showRead);
    connect(&m_session, &ConfigurationSession::pendingEditsWanted, m_pageSet,
            &EditorPageSet::commitToModel);
    connect(m_pageSet, &EditorPageSet::edited, &m_session, &ConfigurationSession::recordEdit);
    connect(&m_session, &ConfigurationSession::modelRestored, this, &MainWindow::showRestored);
}

QString MainWindow::statusText() const
{
    return m_statusLabel->text();
}

void MainWindow::setStatusText(const QString& text)
{
    m_statusLabel->setText(text);
}

void MainWindow::setPrompts(std::unique_ptr<UserPrompts> prompts)
{
    m_prompts = std::move(prompts);
    m_link->setPrompts(*m_prompts);
    m_quickEqLibrary->setPrompts(*m_prompts);
}

void MainWindow::reset()
{
    m_filePage->clear();
    m_session.reset();
    m_pageSet->resetViews();
    m_pageSet->setEditingEnabled(false);
    updateCommands();
}

model::ReadSummary MainWindow::readerRun()
{
    m_pageSet->setEditingEnabled(true);
    const model::ReadSummary summary =
        m_session.readerRun(text::toLatin1(storedText(m_configurationTextBox)));
    updateCommands();
    return summary;
}

void MainWindow::showRead(const model::ReadSummary& summary, const model::LogLines& log)
{
    appendLines(m_logTextBox, log);
    m_pageSet->loadFromModel(summary);
    commitAndRefresh();
}

void MainWindow::applyImport(const QString& source, const QString& incompleteReason)
{
    const PaintingSuspended suspended(m_tabs); // every page is refilled
    const model::ReadSummary summary = readerRun();
    m_session.setOrigin(source);
    const bool fromUnit = m_link->linkMode() != link::LinkMode::File;
    if (fromUnit && incompleteReason.isEmpty() && summary.settingLines > 0)
        m_session.fetchedFromUnit(text::toLatin1(storedText(m_configurationTextBox)), source);
    if (!incompleteReason.isEmpty())
        m_session.markIncomplete(incompleteReason.toStdString());
    else if (summary.settingLines == 0 && !source.isEmpty())
        setStatusText(status::nothingImportedStatus(source));
}

bool MainWindow::confirmDiscardingEdits(const QString& question)
{
    return !m_session.hasUnsavedEdits() || m_prompts->confirm(question);
}

void MainWindow::updateCommands()
{
    const bool running = m_link->isTransferRunning();
    for (QAction* command : {m_importAction, m_newZel8Action, m_newZel16Action})
        command->setEnabled(!running);
    // With nothing loaded an export would send the blank defaults of the reset.
    m_exportAction->setEnabled(!running && m_session.loaded().isLoaded());
    m_compareAction->setEnabled(m_exportAction->isEnabled());
    for (QAction* copy : {m_copyZoneSettingsAction, m_copyPresetEqAction, m_copyZoneEqAction})
        copy->setEnabled(m_session.loaded().isLoaded());
    m_reportAction->setEnabled(m_exportAction->isEnabled());
    m_linkModeGroup->setEnabled(!running);
    if (m_history)
        m_history->setRestoreEnabled(!running && (m_link->linkMode() == link::LinkMode::Serial ||
                                                  m_link->linkMode() == link::LinkMode::Telnet));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // During an import the model has been reset already: nothing of the user's is at stake.
    const bool agreed =
        m_link->isExportRunning()
            ? m_prompts->confirm(questions::closeDuringExport(m_session.hasUnsavedEdits()))
            : m_link->isTransferRunning() || confirmDiscardingEdits(questions::kDiscardOnExit);
    if (!agreed) {
        event->ignore();
        return;
    }
    m_link->stopForClose();
    QMainWindow::closeEvent(event);
}

void MainWindow::commitAndRefresh()
{
    m_pageSet->commitAndRefresh(m_tabs->currentWidget());
    emit committedAndRefreshed();
}

void MainWindow::onPageChanged()
{
    if (!m_changingPageQuietly)
        commitAndRefresh();
}

void MainWindow::showConfigurationPage()
{
    const QScopedValueRollback quietly(m_changingPageQuietly, true);
    m_tabs->setCurrentIndex(kConfigurationFilePage);
}

void MainWindow::newTemplate(model::UnitSize size)
{
    if (m_link->isTransferRunning() || !confirmDiscardingEdits(questions::kDiscardOnNew))
        return;
    const PaintingSuspended suspended(m_tabs); // every page is refilled
    reset();
    showConfigurationPage();
    setLines(m_configurationTextBox, model::templateLines(size));
    readerRun();
    m_session.setOrigin(size == model::UnitSize::Zel8
                            ? QStringLiteral("the blank ZEL-8 template")
                            : QStringLiteral("the blank ZEL-16 template"));
    setStatusText(size == model::UnitSize::Zel8 ? QStringLiteral(" Loaded New ZEL-8 Template")
                                                : QStringLiteral(" Loaded New ZEL-16 Template"));
}

bool MainWindow::prepareImport()
{
    if (m_link->isTransferRunning() || !confirmDiscardingEdits(questions::kDiscardOnImport))
        return false;
    reset();
    showConfigurationPage();
    m_configurationTextBox->clear();
    return true;
}

void MainWindow::importConfiguration()
{
    if (prepareImport())
        m_link->importConfiguration();
}

void MainWindow::openFile(const QString& path)
{
    if (prepareImport())
        m_link->importFile(path);
}

void MainWindow::exportConfiguration()
{
    if (m_link->isTransferRunning() || !m_session.loaded().isLoaded())
        return;
    switch (m_session.exportVerdict(m_link->linkMode())) {
    case ConfigurationSession::ExportVerdict::NothingToSend:
        m_prompts->showError(questions::kNothingToSend);
        return;
    case ConfigurationSession::ExportVerdict::AskIfIncomplete:
        if (!m_prompts->confirm(questions::sendIncomplete(
                QString::fromStdString(m_session.loaded().incompleteReason()))))
            return;
        break;
    case ConfigurationSession::ExportVerdict::Send:
        break;
    }
    commitAndRefresh();
    if (!confirmUncarriedTexts())
        return;
    setLines(m_logTextBox, m_session.exportLines());
    m_link->exportConfiguration(storedText(m_logTextBox).split(QLatin1Char('\n')));
}

bool MainWindow::confirmUncarriedTexts()
{
    const QStringList findings = m_session.uncarriedTexts();
    return findings.isEmpty() || m_prompts->confirm(questions::sendUncarriedTexts(findings));
}

void MainWindow::compareWithUnit()
{
    if (m_link->isTransferRunning() || !m_session.loaded().isLoaded())
        return;
    commitAndRefresh();
    m_link->fetchForComparison();
}

void MainWindow::showComparison(const QString& text, const QString& source, const QString& unit,
                                const QString& incompleteReason, bool cancelled)
{
    if (cancelled) {
        setStatusText(QStringLiteral(" Comparison with %1 cancelled").arg(source));
        return;
    }
    const bool afterSend = std::exchange(m_comparingAfterSend, false);
    if (!unit.isEmpty() && incompleteReason.isEmpty())
        m_session.fetchedFromUnit(text::toLatin1(text), source);
    const UnitComparison::Standing standing{
        m_session.loaded().exportedSinceLoadTo(unit.toStdString()), m_session.hasUnsavedEdits()};
    const bool fromUnit = !unit.isEmpty();
    m_comparedUnit = fromUnit ? m_link->journalUnit() : QString();
    m_comparedIncomplete = incompleteReason;
    const QString status = m_comparison->compare(m_session.model(), text, source, incompleteReason,
                                                 standing, *m_prompts, fromUnit);
    setStatusText(status);
    if (!afterSend || !m_comparison->dialog())
        return;
    const bool same = m_comparison->dialog()->checkedDifferences().empty();
    m_comparison->dialog()->addNote(
        same ? tr("The selected rows were sent: the unit now holds the configuration being "
                  "edited.")
             : tr("The selected rows were sent and the unit's configuration fetched again: "
                  "the rows below still differ."));
    setStatusText(same ? QStringLiteral(" Sent to %1: the unit now holds the configuration being "
                                        "edited")
                             .arg(source)
                       : status);
}

void MainWindow::sendSelected(const std::vector<model::Difference>& chosen)
{
    if (m_link->isTransferRunning() || m_comparedUnit.isEmpty())
        return;
    if (!m_comparedIncomplete.isEmpty()) {
        m_prompts->showError(questions::sendSelectedUnknown(m_comparedIncomplete));
        return;
    }
    if (m_link->journalUnit() != m_comparedUnit) {
        m_prompts->showError(tr("The link was changed since the comparison: compare with the "
                                "unit again, then send the selected rows."));
        return;
    }
    const std::set<model::WriterBlock> blocks = model::blocksOf(chosen);
    if (blocks.empty()) {
        m_prompts->showError(tr("No row that can be sent is checked: check the rows to send."));
        return;
    }
    commitAndRefresh();
    if (!confirmUncarriedTexts())
        return;
    QStringList lines;
    for (const std::string& line : model::changedLines(m_session.model(), blocks))
        lines << text::fromLatin1(line);
    m_sendingSelected = true;
    m_link->exportConfiguration(lines);
    if (!m_link->isTransferRunning())
        m_sendingSelected = false;
}

void MainWindow::showHistory()
{
    if (!m_history) {
        m_history = new HistoryDialog(this);
        connect(m_history, &HistoryDialog::openRequested, this, &MainWindow::openJournalEntry);
        connect(m_history, &HistoryDialog::compareRequested, this,
                &MainWindow::compareJournalEntry);
        connect(m_history, &HistoryDialog::restoreRequested, this,
                &MainWindow::restoreJournalEntry);
        connect(m_link, &LinkController::transferFinished, this, [this] {
            m_history->showEntries(m_link->journal().entries(), m_link->journal().folder());
        });
        connect(m_linkModeGroup, &QActionGroup::triggered, this, &MainWindow::updateCommands);
    }
    m_history->showEntries(m_link->journal().entries(), m_link->journal().folder());
    updateCommands();
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}

std::optional<QString> MainWindow::journalText(const journal::Entry& entry)
{
    QString error;
    const std::optional<QByteArray> bytes = m_link->journal().text(entry, &error);
    if (!bytes) {
        m_prompts->showError(tr("The journal entry of %1 at %2 cannot be read: %3")
                                 .arg(entry.unit, entryTimeText(entry), error));
        return std::nullopt;
    }
    return text::fromLatin1(bytes->toStdString()).remove(QLatin1Char('\r'));
}

void MainWindow::openJournalEntry(const journal::Entry& entry)
{
    if (m_link->isTransferRunning() || !confirmDiscardingEdits(questions::kDiscardOnOpen))
        return;
    const std::optional<QString> text = journalText(entry);
    if (!text)
        return;
    const PaintingSuspended suspended(m_tabs); // every page is refilled
    reset();
    showConfigurationPage();
    m_configurationTextBox->setPlainText(*text);
    readerRun();
    // A configuration sent is whole however far it got; one fetched may not be.
    if (entry.direction == journal::Direction::FromUnit && !entry.whole)
        m_session.markIncomplete(entry.ending.toStdString());
    setStatusText(
        QStringLiteral(" Opened from the journal: %1 at %2").arg(entry.unit, entryTimeText(entry)));
}

void MainWindow::compareJournalEntry(const journal::Entry& entry)
{
    if (!m_session.loaded().isLoaded()) {
        m_prompts->showError(tr("There is nothing being edited to compare with: import, open or "
                                "start a configuration first, or open the entry itself."));
        return;
    }
    const std::optional<QString> text = journalText(entry);
    if (!text)
        return;
    commitAndRefresh();
    const bool partial = entry.direction == journal::Direction::FromUnit && !entry.whole;
    const QString source =
        tr("the journal entry %1 %2 at %3")
            .arg(journal::directionWord(entry.direction), entry.unit, entryTimeText(entry));
    setStatusText(m_comparison->compare(m_session.model(), *text, source,
                                        partial ? entry.ending : QString(), {}, *m_prompts));
}

void MainWindow::restoreJournalEntry(const journal::Entry& entry)
{
    const QString unit = m_link->journalUnit();
    if (m_link->isTransferRunning() || unit.isEmpty())
        return;
    const std::optional<QString> text = journalText(entry);
    if (!text)
        return;
    model::ConfigModel restored;
    model::resetModel(restored);
    model::LogLines log;
    if (model::readText(restored, text::toLatin1(*text), log).settingLines == 0) {
        m_prompts->showError(questions::kNothingToSend);
        return;
    }
    model::markUnavailableGroups(restored);
    if (entry.direction == journal::Direction::FromUnit && !entry.whole &&
        !m_prompts->confirm(questions::sendIncomplete(entry.ending)))
        return;
    QStringList uncarried;
    for (const model::UncarriedText& found : model::uncarriedTexts(restored))
        uncarried << text::fromLatin1(model::describeUncarried(found));
    if (!uncarried.isEmpty() && !m_prompts->confirm(questions::sendUncarriedTexts(uncarried)))
        return;
    if (!m_prompts->confirm(questions::restoreEntry(
            unit, tr("the configuration %1 %2 at %3")
                      .arg(entry.direction == journal::Direction::FromUnit ? tr("read from")
                                                                           : tr("sent to"),
                           entry.unit, entryTimeText(entry)))))
        return;
    QStringList lines;
    for (const std::string& line : model::writeConfiguration(restored))
        lines << text::fromLatin1(line);
    m_restoring = true;
    m_link->exportConfiguration(lines);
    if (!m_link->isTransferRunning())
        m_restoring = false;
}

void MainWindow::saveReport()
{
    if (m_link->isTransferRunning() || !m_session.loaded().isLoaded())
        return;
    commitAndRefresh();
    if (!m_session.lastFetchedFromUnit())
        recallFetchFromJournal();
    const FetchedConfiguration* fetched = m_session.lastFetchedFromUnit();
    const QString offer =
        fetched ? QStringLiteral("List the changes since the configuration was fetched from %1 "
                                 "at %2")
                      .arg(fetched->origin, fetched->when.toString(QStringLiteral("HH:mm")))
                : QString();
    const std::optional<ReportChoice> choice = m_prompts->reportFile(
        m_reportFile.isEmpty() ? proposedReportFile(m_session) : m_reportFile, offer);
    if (!choice)
        return;
    const QString error = writeReport(m_session, choice->path, choice->withChanges);
    if (!error.isEmpty()) {
        m_prompts->showError(
            QStringLiteral("The report could not be saved to %1: %2.").arg(choice->path, error));
        return;
    }
    m_reportFile = choice->path;
    setStatusText(QStringLiteral(" Report saved to %1").arg(choice->path));
}

void MainWindow::recallFetchFromJournal()
{
    const QString unit = m_link->journalUnit();
    if (unit.isEmpty())
        return;
    const journal::Journal& journal = m_link->journal();
    const std::optional<journal::Entry> entry = journal.newestFrom(unit);
    if (!entry || !entry->whole)
        return;
    if (const std::optional<QByteArray> text = journal.text(*entry))
        m_session.fetchedFromUnit(text->toStdString(), unit, entry->time.toLocalTime());
}

QString MainWindow::aboutText()
{
    return QStringLiteral("ZEL Configuration\nVersion %1\n\n"
                          "Configures the sources, zones, audio, favorites, groups and network "
                          "settings of ZEL-8 and ZEL-16 units.")
        .arg(QLatin1String(kVersion));
}

void MainWindow::showAbout()
{
    QMessageBox::about(this, tr("About ZEL Configuration"), aboutText());
}

} // namespace zel::ui
