#include "ui/site/site_controller.h"

#include "session/site/site_additions.h"
#include "ui/common/user_prompts.h"
#include "ui/history/history_controller.h"
#include "ui/site/add_found_units_dialog.h"
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_window.h"
#include "ui/transfer/link_controller.h"

#include <QFileDialog>
#include <QTableWidget>

#include <utility>

namespace zel::ui {

SiteController::SiteController(SiteWindowSide window, QObject* parent)
    : QObject(parent), m_window(std::move(window))
{
    // History heads a unit of the open site by the site's name for it.
    m_window.history.setUnitNames([this](const QString& unit) {
        if (m_siteWindow)
            for (const session::SiteUnit& siteUnit : m_siteWindow->site().units)
                if (siteUnit.link.unitName() == unit)
                    return siteUnit.name;
        return QString();
    });
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
                    emit linkChosen();
                });
        connect(m_findUnits, &FindUnitsDialog::addToSiteRequested, this,
                &SiteController::addFoundUnits);
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
        // Saved under another name, or a unit renamed in its row: the editor names it anew.
        connect(m_siteWindow, &QWidget::windowTitleChanged, this, &SiteController::tellUnitNames);
        connect(m_siteWindow->table(), &QTableWidget::itemChanged, this,
                &SiteController::tellUnitNames);
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

void SiteController::addFoundUnits(const QList<session::FoundUnit>& found)
{
    if (m_addFound || found.isEmpty())
        return;
    const bool toOpenSite = m_siteWindow && m_siteWindow->isVisible();
    const session::Site site = toOpenSite ? m_siteWindow->site() : session::Site{};
    const QString siteText =
        toOpenSite ? tr("the site \"%1\"").arg(session::siteName(m_siteWindow->path()))
                   : tr("a new site");
    QWidget* parent = m_findUnits ? static_cast<QWidget*>(m_findUnits) : &m_window.window;
    m_addFound = new AddFoundUnitsDialog(
        session::proposeSiteUnits(site, found), siteText,
        [this](const QList<session::SiteUnit>& units) { return addUnitsToSite(units); }, parent);
    m_addFound->setAttribute(Qt::WA_DeleteOnClose);
    // Gone from here once answered: it is deleted later, and another may open before that.
    connect(m_addFound, &QDialog::finished, this, [this] { m_addFound = nullptr; });
    m_addFound->open();
}

bool SiteController::addUnitsToSite(const QList<session::SiteUnit>& units)
{
    // Without a site window open (now: it may have closed or opened meanwhile) the units make a
    // new site.
    const bool open = m_siteWindow && m_siteWindow->isVisible();
    SiteWindow* siteWindow = open ? m_siteWindow : showSiteWindow();
    if (!open)
        siteWindow->newSite(); // a closed window's changes were saved or given up when it closed
    if (siteWindow->isRunning()) {
        m_window.prompts().showError(tr("The site is being backed up or verified: add the units "
                                        "once that has ended."));
        return false;
    }
    session::Site grown = siteWindow->site();
    if (const QString problem = session::addSiteUnits(grown, units); !problem.isEmpty()) {
        m_window.prompts().showError(tr("The units were not added: %1.").arg(problem));
        return false;
    }
    if (!siteWindow->addUnits(units))
        return false;
    showSiteWindow(); // the site, its new rows chosen, in front
    return true;
}

void SiteController::bringEditorToFront()
{
    QWidget& editor = m_window.window;
    if (editor.isMinimized())
        editor.setWindowState(editor.windowState() & ~Qt::WindowMinimized);
    editor.show();
    editor.raise();
    editor.activateWindow();
}

void SiteController::tellUnitNames()
{
    const QString site = session::siteName(m_siteWindow->path());
    for (const session::SiteUnit& unit : m_siteWindow->site().units)
        emit siteUnitRenamed({unit.name, site, unit.link});
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
    bringEditorToFront();
    // The unit as the site names it; the title and the status texts call it so.
    session::NamedSiteUnit named{{}, {}, link};
    if (m_siteWindow) {
        named.site = session::siteName(m_siteWindow->path());
        for (const session::SiteUnit& unit : m_siteWindow->site().units)
            if (unit.link == link)
                named.name = unit.name;
    }
    const auto nameUnit = [this, &named] {
        if (!named.name.isEmpty())
            emit siteUnitOpened(named);
    };
    if (!backup) {
        // Nothing kept of it yet: the unit itself is read, as Import reads it.
        if (m_window.link.useLink(link)) {
            nameUnit();
            m_window.importConfiguration();
        }
        return;
    }
    if (m_window.history.openEntry(*backup) && m_window.link.useLink(link)) {
        nameUnit();
        m_window.showStatus(m_window.statusText() + tr("; the link is set to %1").arg(link.text()));
    }
    emit linkChosen();
}

} // namespace zel::ui
