#include "ui/site/site_window.h"

#include "session/site/site_additions.h"
#include "session/site/site_outcome.h"
#include "ui/common/user_prompts.h"
#include "ui/history/history_dialog.h"
#include "ui/site/last_backup_lookup.h"
#include "ui/site/site_file_reader.h"
#include "ui/site/site_table.h"
#include "ui/transfer/background_queue.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

QString siteFilter()
{
    return SiteWindow::tr("ZEL sites (*.zelsite);;All Files (*)");
}

} // namespace

SiteWindow::SiteWindow(UserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent), m_prompts(&prompts), m_table(new SiteTable(this)),
      m_summary(new QLabel(this)), m_openUnit(new QPushButton(tr("&Open"), this)),
      m_compareUnit(new QPushButton(tr("&Compare"), this)),
      m_historyButton(new QPushButton(tr("&History"), this)),
      m_journalWork(new BackgroundQueue(this)), m_reader(new SiteFileReader(this))
{
    setWindowFlag(Qt::Window);

    auto* central = new QWidget(this);
    m_buttons = new QHBoxLayout;
    for (QPushButton* button : {m_openUnit, m_compareUnit, m_historyButton})
        m_buttons->addWidget(button);
    m_buttons->addStretch();
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_table, 1);
    layout->addLayout(m_buttons);
    setCentralWidget(central);
    statusBar()->addWidget(m_summary, 1);
    buildActions();
    // The runs beside the row's buttons, as the menu has them.
    for (QAction* action : {m_backUp, m_verify, m_stop, m_report}) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        m_buttons->addWidget(button);
    }

    connect(m_table, &SiteTable::unitEdited, this, &SiteWindow::onUnitEdited);
    connect(m_table, &SiteTable::directoryUnreadable, m_summary, &QLabel::setText);
    connect(m_table, &SiteTable::runShown, this, &SiteWindow::runFinished);
    connect(m_reader, &SiteFileReader::siteRead, this, &SiteWindow::showOpenedSite);
    connect(m_reader, &SiteFileReader::readFailed, this, [this](const QString& why) {
        updateActions();
        m_prompts->showError(why);
    });
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &SiteWindow::updateActions);
    connect(m_openUnit, &QPushButton::clicked, this, &SiteWindow::openChosenUnit);
    connect(m_compareUnit, &QPushButton::clicked, this, &SiteWindow::compareChosenUnit);
    connect(m_historyButton, &QPushButton::clicked, this, &SiteWindow::showChosenHistory);
    resize(960, 380);
    newSite();
}

SiteWindow::~SiteWindow() = default;

QTableWidget* SiteWindow::table() const
{
    return m_table;
}

void SiteWindow::buildActions()
{
    QMenu* siteMenu = menuBar()->addMenu(tr("&Site"));
    m_newSite = siteMenu->addAction(tr("&New Site"));
    m_openSite = siteMenu->addAction(tr("&Open Site..."));
    m_save = siteMenu->addAction(tr("&Save"));
    m_saveAs = siteMenu->addAction(tr("Save &As..."));
    siteMenu->addSeparator();
    m_addUnit = siteMenu->addAction(tr("A&dd Unit..."));
    m_removeUnit = siteMenu->addAction(tr("&Remove Unit"));
    siteMenu->addSeparator();
    m_backUp = siteMenu->addAction(tr("&Back Up Site"));
    m_verify = siteMenu->addAction(tr("&Verify Site"));
    m_stop = siteMenu->addAction(tr("S&top"));
    m_report = siteMenu->addAction(tr("Re&port...")); // "&Remove Unit" has R
    siteMenu->addSeparator();
    siteMenu->addAction(tr("&Close"), QKeySequence::Close, this, &QWidget::close);
    m_save->setShortcut(QKeySequence::Save);
    m_openSite->setShortcut(QKeySequence::Open);
    m_stop->setShortcut(Qt::Key_Escape);

    connect(m_newSite, &QAction::triggered, this, [this] {
        if (confirmDiscardingChanges(tr("Start a new site anyway and discard them?")))
            newSite();
    });
    connect(m_openSite, &QAction::triggered, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, tr("Open Site"), m_path, siteFilter());
        if (!path.isEmpty())
            openSite(path);
    });
    connect(m_save, &QAction::triggered, this, &SiteWindow::saveSite);
    connect(m_saveAs, &QAction::triggered, this, &SiteWindow::chooseSavePath);
    connect(m_addUnit, &QAction::triggered, this, [this] {
        const std::optional<QString> line = m_prompts->inputQuery(
            tr("Add Unit"), tr("Name, then link (Bar tcp:192.0.2.10, Terrace serial:COM3):"), {});
        if (line && !line->trimmed().isEmpty())
            addUnit(*line);
    });
    connect(m_removeUnit, &QAction::triggered, this, [this] { removeUnit(m_table->currentRow()); });
    connect(m_backUp, &QAction::triggered, this, &SiteWindow::backUpSite);
    connect(m_verify, &QAction::triggered, this, &SiteWindow::verifySite);
    connect(m_stop, &QAction::triggered, this, &SiteWindow::stopRun);
    connect(m_report, &QAction::triggered, &m_reports, &SiteReportController::saveReport);
}

void SiteWindow::newSite()
{
    if (isRunning())
        return;
    m_site = {};
    m_path.clear();
    showSite();
    setWindowModified(false);
    updateTitle();
}

bool SiteWindow::openSite(const QString& path)
{
    if (isRunning() || !confirmDiscardingChanges(tr("Open another site anyway and discard them?")))
        return false;
    m_reader->read(path);
    updateActions();
    return true;
}

void SiteWindow::showOpenedSite(const QString& path, const session::Site& site)
{
    m_site = site;
    m_path = path;
    showSite();
    setWindowModified(false);
    updateTitle();
}

bool SiteWindow::saveSite()
{
    return m_path.isEmpty() ? chooseSavePath() : saveSiteAs(m_path);
}

bool SiteWindow::chooseSavePath()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Save Site"), m_path, siteFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".zelsite");
    return saveSiteAs(path);
}

bool SiteWindow::saveSiteAs(const QString& path)
{
    if (const QString error = session::saveSiteFile(path, m_site); !error.isEmpty()) {
        m_prompts->showError(tr("The site could not be saved to %1: %2.\n\nThe file there, if "
                                "any, is as it was.")
                                 .arg(path, error));
        return false;
    }
    m_path = path;
    setWindowModified(false);
    updateTitle();
    return true;
}

bool SiteWindow::addUnit(const QString& line)
{
    QString problem;
    const std::optional<session::SiteUnit> unit = session::unitOfLine(m_site, line, problem);
    if (!unit)
        m_prompts->showError(tr("\"%1\" cannot be added: %2.").arg(line.trimmed(), problem));
    return unit && addUnits({*unit});
}

bool SiteWindow::addUnits(const QList<session::SiteUnit>& units)
{
    // Not while a site file is read: the site it brings would replace them.
    if (isRunning() || m_reader->isReading() || !session::addSiteUnits(m_site, units).isEmpty())
        return false;
    showSite();
    m_table->selectRow(m_table->rowCount() - 1);
    setWindowModified(true);
    return true;
}

void SiteWindow::removeUnit(int row)
{
    if (isRunning() || row < 0 || row >= m_site.units.size())
        return;
    session::removeSiteUnit(m_site, row);
    showSite();
    setWindowModified(true);
}

void SiteWindow::onUnitEdited(int row, const QString& name, const QString& link)
{
    if (row < 0 || row >= m_site.units.size())
        return;
    if (const QString problem = session::siteUnitProblem(m_site, row, name, link);
        !problem.isEmpty()) {
        m_prompts->showError(tr("The unit keeps its name and link: %1.").arg(problem));
        m_table->restoreRow(row);
        return;
    }
    m_site.units[row].name = name.trimmed();
    m_site.units[row].link = *session::parseSiteLink(link.trimmed());
    setWindowModified(true);
    m_table->changeUnit(row, m_site.units[row]);
}

bool SiteWindow::confirmDiscardingChanges(const QString& question)
{
    return !isWindowModified() ||
           m_prompts->confirm(tr("The site has changes that were not saved.") +
                              QStringLiteral("\n\n") + question);
}

void SiteWindow::updateTitle()
{
    setWindowTitle(tr("%1[*] - Site").arg(session::siteName(m_path)));
}

void SiteWindow::closeEvent(QCloseEvent* event)
{
    if (isRunning() && !m_prompts->confirm(tr("A site run is going on.\n\nStop it and close "
                                              "the site?"))) {
        event->ignore();
        return;
    }
    if (!confirmDiscardingChanges(tr("Close the site anyway and discard them?"))) {
        event->ignore();
        return;
    }
    if (m_run)
        m_run->cancel();
    QMainWindow::closeEvent(event);
}

void SiteWindow::showSite()
{
    m_table->showUnits(m_site.units);
    updateActions();
}

void SiteWindow::showLiveUnit(const QString& unitName)
{
    m_table->showLiveUnit(unitName);
}

void SiteWindow::refreshRows()
{
    m_table->refreshFromDirectory();
}

void SiteWindow::startRun(session::SiteMode mode)
{
    if (isRunning() || m_site.units.isEmpty())
        return;
    m_run = std::make_unique<session::SiteRun>(mode, m_site.units, session::SiteRun::Settings{});
    connect(m_run.get(), &session::SiteRun::unitStarted, m_table, &SiteTable::unitStarted);
    connect(m_run.get(), &session::SiteRun::unitFinished, m_table, &SiteTable::unitFinished);
    connect(m_run.get(), &session::SiteRun::finished, this, &SiteWindow::onRunFinished,
            Qt::QueuedConnection);
    m_table->runStarted();
    m_summary->setText(mode == session::SiteMode::Backup ? tr("Backing up the site...")
                                                         : tr("Verifying the site..."));
    m_run->start();
    updateActions();
}

void SiteWindow::stopRun()
{
    if (isRunning())
        m_run->cancel();
}

void SiteWindow::onRunFinished()
{
    QString summary =
        (m_run->mode() == session::SiteMode::Backup ? tr("Backup: ") : tr("Verify: ")) +
        session::summaryLine(m_run->outcomeList());
    for (const QString& warning : m_run->takeWarnings())
        summary += QStringLiteral("; ") + warning;
    m_summary->setText(summary);
    m_table->runFinished(); // runFinished() once the rows show what the run wrote
    refreshHistory();       // the run's reads are in the journal now
    updateActions();
}

void SiteWindow::updateActions()
{
    const bool running = isRunning() || m_reader->isReading();
    const bool chosen = chosenUnit() != nullptr;
    const bool any = !m_site.units.isEmpty();
    for (QAction* action : {m_newSite, m_openSite, m_addUnit})
        action->setEnabled(!running);
    m_removeUnit->setEnabled(!running && chosen);
    for (QAction* action : {m_backUp, m_verify, m_report})
        action->setEnabled(!running && any);
    m_stop->setEnabled(running);
    for (QPushButton* button : {m_openUnit, m_compareUnit, m_historyButton})
        button->setEnabled(chosen);
}

const session::SiteUnit* SiteWindow::chosenUnit() const
{
    const int row = m_table->currentRow();
    return row >= 0 && row < m_site.units.size() ? &m_site.units[row] : nullptr;
}

void SiteWindow::openChosenUnit()
{
    if (const session::SiteUnit* unit = chosenUnit())
        findLastBackup(*m_journalWork, *unit, this, [this, link = unit->link](const auto& backup) {
            emit openUnitRequested(backup, link);
        });
}

void SiteWindow::compareChosenUnit()
{
    if (const session::SiteUnit* unit = chosenUnit())
        findLastBackup(
            *m_journalWork, *unit, this,
            [this](const auto& backup) { emit compareRequested(*backup); }, m_prompts);
}

std::optional<session::UnitHistoryPlace> SiteWindow::historyPlaceOf(const QString& unitName,
                                                                    QString& why) const
{
    for (const session::SiteUnit& unit : m_site.units)
        if (unit.link.unitName() == unitName)
            return session::unitHistoryPlace(m_path, m_site, unit.name, {}, why);
    return std::nullopt;
}

void SiteWindow::showChosenHistory()
{
    if (!chosenUnit())
        return;
    const session::SiteUnit unit = *chosenUnit();
    if (!m_history) {
        m_history = new HistoryDialog(this);
        m_history->setRestoreEnabled(true);
        connect(m_history, &HistoryDialog::openRequested, this, &SiteWindow::openEntryRequested);
        connect(m_history, &HistoryDialog::compareRequested, this, &SiteWindow::compareRequested);
        m_historyListing = new UnitHistoryListing(*m_journalWork, m_history);
        connect(m_history, &HistoryDialog::keepRequested, this,
                [this](const journal::Entry& entry, bool kept) {
                    emit keepRequested(entry, kept);
                    m_historyListing->refresh(); // the mark, as the journal holds it once marked
                });
        m_historyCommits = new UnitCommitsController(m_history);
        emit historyCommitsMade(m_historyCommits);
    }
    // Restore goes to the unit whose history is shown.
    disconnect(m_history, &HistoryDialog::restoreRequested, this, nullptr);
    connect(m_history, &HistoryDialog::restoreRequested, this,
            [this, link = unit.link](const journal::Entry& entry) {
                emit restoreRequested(entry, link);
            });
    m_history->setWindowTitle(tr("History of %1").arg(unit.name));
    m_historyListing->list(unit);
    QString why; // read by show() once the place is known
    m_historyCommits->show(session::unitHistoryPlace(m_path, m_site, unit.name, {}, why), why);
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}

} // namespace zel::ui
