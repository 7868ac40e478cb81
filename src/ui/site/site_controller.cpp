#include "ui/site/site_controller.h"

#include "ui/common/user_prompts.h"
#include "ui/history/history_controller.h"
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_window.h"
#include "ui/transfer/link_controller.h"

#include <QFileDialog>

#include <utility>

namespace zel::ui {

SiteController::SiteController(SiteWindowSide window, QObject* parent)
    : QObject(parent), m_window(std::move(window))
{
}

void SiteController::setPrompts(UserPrompts& prompts)
{
    if (m_findUnits)
        m_findUnits->setPrompts(prompts);
    if (m_siteWindow)
        m_siteWindow->setPrompts(prompts);
}

std::optional<session::UnitHistoryPlace> SiteController::historyPlaceOf(const QString& unitName,
                                                                        QString& why) const
{
    return m_siteWindow ? m_siteWindow->historyPlaceOf(unitName, why) : std::nullopt;
}

bool SiteController::closeSiteWindow()
{
    return !m_siteWindow || !m_siteWindow->isVisible() || m_siteWindow->close();
}

void SiteController::showFindUnits()
{
    if (!m_findUnits) {
        m_findUnits = new FindUnitsDialog(m_window.prompts(), &m_window.window);
        connect(m_findUnits, &FindUnitsDialog::unitChosen, this,
                [this](const session::SiteLink& link) {
                    if (m_window.link.useLink(link))
                        m_window.showStatus(tr(" Link set to %1").arg(link.text()));
                });
    }
    m_findUnits->show();
    m_findUnits->raise();
    m_findUnits->activateWindow();
}

SiteWindow* SiteController::showSiteWindow()
{
    if (!m_siteWindow) {
        HistoryController& history = m_window.history;
        m_siteWindow = new SiteWindow(m_window.prompts(), &m_window.window);
        m_siteWindow->setJournalWork(m_window.link.journalWork());
        // An entry kept of a transfer (a restore, a send from the editor): its History follows.
        connect(&m_window.link, &LinkController::entryRecorded, m_siteWindow,
                &SiteWindow::refreshHistory);
        connect(m_siteWindow, &SiteWindow::openUnitRequested, this, &SiteController::openSiteUnit);
        connect(m_siteWindow, &SiteWindow::openEntryRequested, &history,
                &HistoryController::openEntry);
        connect(m_siteWindow, &SiteWindow::compareRequested, &history,
                &HistoryController::compareEntry);
        connect(m_siteWindow, &SiteWindow::keepRequested, &history, &HistoryController::keepEntry);
        connect(m_siteWindow, &SiteWindow::restoreRequested, this,
                [this](const journal::Entry& entry, const session::SiteLink& link) {
                    if (!m_window.unitBusy() && m_window.link.useLink(link))
                        m_window.history.restoreEntry(entry);
                });
        connect(m_siteWindow, &SiteWindow::historyCommitsMade, &history,
                &HistoryController::takeCommitRequests);
        showLiveUnit();
    }
    m_siteWindow->show();
    m_siteWindow->raise();
    m_siteWindow->activateWindow();
    return m_siteWindow;
}

void SiteController::newSite()
{
    SiteWindow* site = showSiteWindow();
    if (!site->isModified() && !site->isRunning())
        site->newSite();
}

void SiteController::openSite()
{
    const QString path = QFileDialog::getOpenFileName(&m_window.window, tr("Open Site"), {},
                                                      tr("ZEL sites (*.zelsite);;All Files (*)"));
    if (!path.isEmpty())
        showSiteWindow()->openSite(path);
}

void SiteController::showLiveUnit()
{
    if (!m_siteWindow)
        return;
    m_siteWindow->showLiveUnit(m_window.liveUnit());
    m_siteWindow->refreshHistory(); // live mode's reads and lines are in the journal
}

void SiteController::openSiteUnit(const std::optional<journal::Entry>& backup,
                                  const session::SiteLink& link)
{
    if (m_window.unitBusy())
        return;
    if (!backup) {
        // Nothing kept of it yet: the unit itself is read, as Import reads it.
        if (m_window.link.useLink(link))
            m_window.importConfiguration();
        return;
    }
    if (m_window.history.openEntry(*backup) && m_window.link.useLink(link))
        m_window.showStatus(m_window.statusText() + tr("; the link is set to %1").arg(link.text()));
    emit linkChosen();
}

} // namespace zel::ui
