#include "ui/window/main_window.h"

#include "text/latin1_text.h"
#include "ui/access/focus_frame.h"
#include "ui/access/focus_return.h"
#include "ui/access/program_look.h"
#include "ui/audio/quick_eq_library.h"
#include "ui/common/painting_suspended.h"
#include "ui/common/window_placement.h"
#include "ui/compare/compare_controller.h"
#include "ui/compare/unit_comparison.h"
#include "ui/copy/copy_controller.h"
#include "ui/history/history_controller.h"
#include "ui/live/live_controller.h"
#include "ui/live/live_state_panel.h"
#include "ui/report/report_controller.h"
#include "ui/send/send_controller.h"
#include "ui/site/site_controller.h"
#include "ui/transfer/link_controller.h"
#include "ui/transfer/text_box_loading.h"
#include "ui/transfer/transfer_progress_panel.h"
#include "ui/transfer/transfer_status_texts.h"
#include "ui/transfer/transfer_text_box.h"
#include "ui/transfer/window_questions.h"
#include "ui/window/configuration_file_page.h"
#include "ui/window/dialog_prompts.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/tab_fitting.h"
#include "ui/window/unit_title.h"

#include "zel_version.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

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
    installProgramLook(); // before any control is shown or read
    // The pixel layout of the pages is made for an 8 point window font.
    QFont windowFont = font();
    windowFont.setPointSize(kFontPointSize);
    setFont(windowFont);

    m_prompts = std::make_unique<DialogPrompts>(this);
    m_quickEqLibrary = new QuickEqLibrary(*m_prompts, QuickEqLibrary::programFolders(), this);
    buildPages();
    buildControllers();
    buildStatusLine();
    connectCommands();

    // The client area (pages and status line) has a fixed size; the menu bar comes on top.
    setWindowIcon(QIcon(QStringLiteral(":/icons/zelconfig.png")));
    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    centerOnScreen(this);

    reset();
}

MainWindow::~MainWindow()
{
    delete std::exchange(m_live, nullptr); // its link uses the link controller's serial port
    delete m_link;
    delete centralWidget(); // the tabs and every page
}

void MainWindow::buildPages()
{
    auto* client = new QWidget(this);
    client->setBackgroundRole(QPalette::Button); // the window face is the button-face colour
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    m_tabs = new QTabWidget(client);
    m_tabs->setGeometry(kTabsGeometry);
    QTabBar* bar = m_tabs->tabBar();
    bar->setAttribute(Qt::WA_Hover); // hot-tracking tabs
    FocusFrame* tabFocus =
        FocusFrame::attach(bar, [bar] { return bar->tabRect(bar->currentIndex()); });
    connect(bar, &QTabBar::currentChanged, tabFocus, qOverload<>(&QWidget::update));

    m_filePage = new ConfigurationFilePage;
    m_configurationTextBox = m_filePage->configurationTextBox();
    m_logTextBox = m_filePage->logTextBox();
    m_tabs->addTab(m_filePage, tr("Configuration File"));
    m_pageSet = new EditorPageSet(m_session.model(), *m_quickEqLibrary, m_tabs);
    m_tabs->setCurrentIndex(kConfigurationFilePage);
    fitTabsToWidth(m_tabs);

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::onPageChanged);
    connect(&m_session, &session::ConfigurationSession::configurationRead, this,
            &MainWindow::showRead);
    connect(&m_session, &session::ConfigurationSession::pendingEditsWanted, m_pageSet,
            &EditorPageSet::commitToModel);
    connect(m_pageSet, &EditorPageSet::edited, &m_session,
            &session::ConfigurationSession::recordEdit);
    connect(&m_session, &session::ConfigurationSession::modelRestored, this,
            &MainWindow::showRestored);
}

void MainWindow::buildControllers()
{
    const auto prompts = [this]() -> UserPrompts& { return *m_prompts; };
    const auto busy = [this] { return unitBusy(); };
    const auto commit = [this] { commitAndRefresh(); };
    const auto status = [this](const QString& text) { setStatusText(text); };

    auto* transferFeed = new TransferTextFeed(m_configurationTextBox, m_configurationTextBox);
    m_link = new LinkController(*transferFeed, *m_prompts, this);
    m_sends = new SendController({m_session, *m_link, *m_logTextBox, prompts, busy, commit, status},
                                 this);
    m_comparison = new UnitComparison(m_tabs, m_pageSet->pages(), this);
    m_comparing = new CompareController({m_session, *m_link, *m_comparison, *m_sends, prompts, busy,
                                         commit, [this] { m_pageSet->commitToModel(); }, status},
                                        this);
    m_live = new LiveController(
        {*this, m_session, *m_link, prompts, [this] { return unitWorkPending(); }, commit, status});
    // A slider let go sends at once what live mode holds back during a drag.
    connect(m_pageSet, &EditorPageSet::sliderReleased, &m_live->session(),
            &session::LiveSession::release);
    m_history = new HistoryController(
        {*this, m_session, *m_link, *m_comparison, *m_sends, prompts, busy,
         [this](const QString& question) { return confirmDiscardingEdits(question); },
         [this](const QString& text) { loadText(text); }, commit, status,
         [this](const QString& unit, QString& why) { return m_sites->historyPlaceOf(unit, why); }},
        this);
    m_sites = new SiteController(
        {*this, *m_link, *m_history, prompts, busy, [this] { importConfiguration(); },
         [this] { return m_live->liveUnit(); }, [this] { return statusText(); }, status},
        this);
    m_unitTitle = new UnitTitle(*this, *m_link, *m_sites, this); // the window's title with it
    const auto siteName = [this] { return m_unitTitle->naming().siteName(); };
    m_report = new ReportController({m_session, *m_link, prompts, commit, status, siteName}, this);
    m_menus = new MainMenus(*this, *m_link, *m_session.undoStack(), m_live->menu());
    m_copies = new CopyController(
        {m_session, *m_pageSet->zoneAudioPage(), *m_pageSet->presetsPage(), prompts,
         [this] { m_pageSet->commitToModel(); }, [this] { m_pageSet->reshowModel(); }, status},
        copyZoneSettingsAction(), copyPresetEqAction(), copyZoneEqAction(), this);
}

void MainWindow::buildStatusLine()
{
    m_statusLabel = new QLabel(this);
    // Status texts carry a host or a path as typed: never read them as markup.
    m_statusLabel->setTextFormat(Qt::PlainText);
    // A long status text gives way to the live state line beside it, which must stay whole.
    m_statusLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addPermanentWidget(m_statusLabel, 1);
    statusBar()->addPermanentWidget(m_live->statePanel());
    statusBar()->addPermanentWidget(m_link->progressPanel());
    statusBar()->setFixedHeight(kClientHeight - kTabsGeometry.bottom() - 1);
    addAction(m_link->cancelAction());
}

void MainWindow::connectCommands()
{
    connect(newZel8Action(), &QAction::triggered, this,
            [this] { newTemplate(model::UnitSize::Zel8); });
    connect(newZel16Action(), &QAction::triggered, this,
            [this] { newTemplate(model::UnitSize::Zel16); });
    connect(importAction(), &QAction::triggered, this, &MainWindow::importConfiguration);
    connect(exportAction(), &QAction::triggered, m_sends, &SendController::exportConfiguration);
    connect(compareAction(), &QAction::triggered, m_comparing, &CompareController::compareWithUnit);
    connect(reportAction(), &QAction::triggered, m_report, &ReportController::saveReport);
    connect(historyAction(), &QAction::triggered, m_history, &HistoryController::showHistory);
    connect(findUnitsAction(), &QAction::triggered, m_sites, &SiteController::showFindUnits);
    connect(newSiteAction(), &QAction::triggered, m_sites, &SiteController::newSite);
    connect(openSiteAction(), &QAction::triggered, m_sites, &SiteController::openSite);
    connect(exitAction(), &QAction::triggered, this, &QWidget::close);
    connect(aboutAction(), &QAction::triggered, this, &MainWindow::showAbout);

    connect(m_link, &LinkController::statusText, this, &MainWindow::setStatusText);
    connect(m_link, &LinkController::logLine, m_logTextBox, &QPlainTextEdit::appendPlainText);
    connect(m_link, &LinkController::importEnded, this, &MainWindow::applyImport);
    connect(m_link, &LinkController::transferStarted, this, &MainWindow::updateCommands);
    // Whole fetches are kept by the unit they came from, for the report's baseline.
    connect(m_link, &LinkController::transferStarted, this,
            [this] { m_session.setLinkUnit(m_link->journalUnit()); });
    connect(m_link, &LinkController::transferFinished, this, &MainWindow::updateCommands);
    connect(m_sends, &SendController::pendingChanged, this, &MainWindow::updateCommands);
    connect(m_live, &LiveController::liveChanged, this, &MainWindow::updateCommands);
    connect(m_live, &LiveController::liveChanged, m_sites, &SiteController::showLiveUnit);
    connect(m_sites, &SiteController::linkChosen, this, &MainWindow::updateCommands);
    connect(linkModeGroup(), &QActionGroup::triggered, this, &MainWindow::updateCommands);
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
    m_sites->setPrompts(*m_prompts);
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
    if (summary.settingLines == 0) // no page open for edits of a configuration not there
        m_pageSet->setEditingEnabled(false);
    updateCommands();
    return summary;
}

void MainWindow::showRead(const model::ReadSummary& summary, const model::LogLines& log)
{
    appendLines(m_logTextBox, log);
    m_pageSet->loadFromModel(summary);
    commitAndRefresh();
}

void MainWindow::loadText(const QString& text)
{
    const PaintingSuspended suspended(m_tabs); // every page is refilled
    reset();
    showConfigurationPage();
    m_configurationTextBox->setPlainText(text);
    readerRun();
}

void MainWindow::applyImport(const QString& source, const QString& incompleteReason)
{
    const PaintingSuspended suspended(m_tabs); // every page is refilled
    const model::ReadSummary summary = readerRun();
    m_session.setOrigin(source);
    const bool fromUnit = m_link->linkMode() != link::LinkMode::File;
    if (fromUnit && incompleteReason.isEmpty() && summary.settingLines > 0) {
        const QString text = storedText(m_configurationTextBox);
        m_session.fetchedFromUnit(text::toLatin1(text), source);
    }
    if (!incompleteReason.isEmpty())
        m_session.markIncomplete(incompleteReason.toStdString());
    else if (summary.settingLines == 0 && !source.isEmpty())
        setStatusText(status::nothingImportedStatus(source));
}

void MainWindow::showRestored(const session::EditStep& step)
{
    const PaintingSuspended suspended(m_tabs);
    m_pageSet->showStep(step);
    commitAndRefresh();
}

bool MainWindow::confirmDiscardingEdits(const QString& question)
{
    return !m_session.hasUnsavedEdits() || m_prompts->confirm(question);
}

bool MainWindow::unitWorkPending() const
{
    return m_link->isTransferRunning() || m_sends->isPending();
}

bool MainWindow::unitBusy() const
{
    return unitWorkPending() || (m_live && m_live->isLive());
}

void MainWindow::updateCommands()
{
    m_menus->followState(unitBusy(), m_session.loaded().isLoaded(), m_link->isTransferRunning());
    m_live->updateAction();
    m_history->updateCommands();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Live mode first sends (or cancels) what is pending, and says which.
    if (!m_live->allowClose()) {
        event->ignore();
        return;
    }
    // During an import the model has been reset already: nothing of the user's is at stake.
    // During a comparison's fetch, or the one around a Send Selected, the edits still are.
    // During the read before a send, what was asked to go would silently not.
    const bool unsaved = m_session.hasUnsavedEdits();
    const bool agreed =
        m_link->isExportRunning() ? m_prompts->confirm(questions::closeDuringExport(unsaved))
        : m_link->isReadBeforeSendRunning()
            ? m_prompts->confirm(questions::closeBeforeSend(unsaved))
            : m_link->isImportRunning() || confirmDiscardingEdits(questions::kDiscardOnExit);
    if (!agreed || !m_sites->closeSiteWindow()) {
        event->ignore();
        return;
    }
    m_sends->stopForClose();
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
    if (unitBusy() || !confirmDiscardingEdits(questions::kDiscardOnNew))
        return;
    const bool zel8 = size == model::UnitSize::Zel8;
    loadText(joinLatin1Lines(model::templateLines(size)));
    m_session.setOrigin(zel8 ? tr("the blank ZEL-8 template") : tr("the blank ZEL-16 template"));
    setStatusText(zel8 ? tr(" Loaded New ZEL-8 Template") : tr(" Loaded New ZEL-16 Template"));
}

bool MainWindow::prepareImport()
{
    if (unitBusy() || !confirmDiscardingEdits(questions::kDiscardOnImport))
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

QString MainWindow::aboutText()
{
    return tr("ZEL Configuration\nVersion %1\n\nConfigures the sources, zones, audio, favorites, "
              "groups and network settings of ZEL-8 and ZEL-16 units.")
        .arg(QLatin1String(kVersion));
}

void MainWindow::showAbout()
{
    const std::unique_ptr<QMessageBox> box(
        makeAboutBox(this, tr("About ZEL Configuration"), aboutText()));
    const FocusReturn back;
    box->exec();
}

} // namespace zel::ui
