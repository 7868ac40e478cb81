// The main window's work with many units: "Find Units...", and the site window with what its
// rows ask of the editor (open a unit's backup, compare it, restore an entry to the unit).
#include "ui/window/main_window.h"

#include "ui/common/user_prompts.h"
#include "ui/history/unit_commits_controller.h"
#include "ui/live/live_controller.h"
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_window.h"
#include "ui/transfer/link_controller.h"

#include <QFileDialog>
#include <QMenu>

namespace zel::ui {

void MainWindow::buildSiteItems(QMenu* menu)
{
    m_findUnitsAction = menu->addAction(tr("&Find Units..."));
    m_newSiteAction = menu->addAction(tr("Ne&w Site"));
    m_openSiteAction = menu->addAction(tr("&Open Site..."));
    connect(m_findUnitsAction, &QAction::triggered, this, &MainWindow::showFindUnits);
    connect(m_newSiteAction, &QAction::triggered, this, [this] {
        SiteWindow* site = showSiteWindow();
        if (!site->isModified() && !site->isRunning())
            site->newSite();
    });
    connect(m_openSiteAction, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Open Site"), {}, QStringLiteral("ZEL sites (*.zelsite);;All Files (*)"));
        if (!path.isEmpty())
            showSiteWindow()->openSite(path);
    });
}

void MainWindow::setSitePrompts()
{
    if (m_findUnits)
        m_findUnits->setPrompts(*m_prompts);
    if (m_siteWindow)
        m_siteWindow->setPrompts(*m_prompts);
}

bool MainWindow::closeSiteWindow()
{
    return !m_siteWindow || !m_siteWindow->isVisible() || m_siteWindow->close();
}

void MainWindow::showFindUnits()
{
    if (!m_findUnits) {
        m_findUnits = new FindUnitsDialog(*m_prompts, this);
        connect(m_findUnits, &FindUnitsDialog::unitChosen, this,
                [this](const session::SiteLink& link) {
                    if (m_link->useLink(link))
                        setStatusText(QStringLiteral(" Link set to %1").arg(link.text()));
                });
    }
    m_findUnits->show();
    m_findUnits->raise();
    m_findUnits->activateWindow();
}

SiteWindow* MainWindow::showSiteWindow()
{
    if (!m_siteWindow) {
        m_siteWindow = new SiteWindow(*m_prompts, this);
        connect(m_siteWindow, &SiteWindow::openUnitRequested, this, &MainWindow::openSiteUnit);
        connect(m_siteWindow, &SiteWindow::openEntryRequested, this, &MainWindow::openJournalEntry);
        connect(m_siteWindow, &SiteWindow::compareRequested, this,
                &MainWindow::compareJournalEntry);
        connect(m_siteWindow, &SiteWindow::keepRequested, this, &MainWindow::keepJournalEntry);
        connect(m_siteWindow, &SiteWindow::restoreRequested, this,
                [this](const journal::Entry& entry, const session::SiteLink& link) {
                    if (!unitBusy() && m_link->useLink(link))
                        restoreJournalEntry(entry);
                });
        connect(m_siteWindow, &SiteWindow::historyCommitsMade, this,
                &MainWindow::connectKeptRequests);
        const auto showLive = [this] { m_siteWindow->showLiveUnit(m_live->liveUnit()); };
        connect(m_live, &LiveController::liveChanged, m_siteWindow, showLive);
        showLive();
    }
    m_siteWindow->show();
    m_siteWindow->raise();
    m_siteWindow->activateWindow();
    return m_siteWindow;
}

void MainWindow::connectKeptRequests(UnitCommitsController* commits)
{
    connect(commits, &UnitCommitsController::openRequested, this, &MainWindow::openKept);
    connect(commits, &UnitCommitsController::compareRequested, this, &MainWindow::compareKept);
    connect(commits, &UnitCommitsController::restoreRequested, this,
            [this](const KeptConfiguration& kept, const session::SiteLink& link) {
                if (!unitBusy() && m_link->useLink(link))
                    restoreKept(kept);
            });
}

void MainWindow::openSiteUnit(const std::optional<journal::Entry>& backup,
                              const session::SiteLink& link)
{
    if (unitBusy())
        return;
    if (!backup) {
        // Nothing kept of it yet: the unit itself is read, as Import reads it.
        if (m_link->useLink(link))
            importConfiguration();
        return;
    }
    if (openJournalEntry(*backup) && m_link->useLink(link))
        setStatusText(statusText() + QStringLiteral("; the link is set to %1").arg(link.text()));
    updateCommands(); // the commands follow the link it set, "Live" among them
}

} // namespace zel::ui
