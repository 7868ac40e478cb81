// The site window's rows: what the unit directory knows of each unit, the runs over them, and
// what is done with the chosen row.
#include "ui/site/site_window.h"

#include "session/site/site_outcome.h"
#include "session/unit/unit_directory.h"
#include "session/unit/unit_journal.h"
#include "ui/common/user_prompts.h"
#include "ui/history/history_dialog.h"
#include "ui/history/unit_commits_controller.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>

namespace zel::ui {

namespace {

QString timeOrNever(const QDateTime& time)
{
    return time.isValid() ? session::shortTimeText(time) : QString();
}

// What the unit directory knows of a site's unit; nothing for a unit not met yet.
std::optional<session::KnownUnit> knownUnit(const session::UnitDirectory& directory,
                                            const session::SiteUnit& unit)
{
    const session::KnownUnit* known = directory.forSiteLine(unit.name, unit.link.unitName());
    return known ? std::optional(*known) : std::nullopt;
}

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

std::optional<journal::Entry> lastBackupOf(const session::SiteUnit& unit)
{
    session::UnitDirectory directory;
    directory.load();
    const std::optional<session::KnownUnit> known = knownUnit(directory, unit);
    if (!known || !known->lastBackup.isValid())
        return std::nullopt;
    return session::backupOf(journal::Journal(), directory, *known);
}

QList<journal::Entry> historyOfUnit(const session::SiteUnit& unit)
{
    session::UnitDirectory directory;
    directory.load();
    const std::optional<session::KnownUnit> known = knownUnit(directory, unit);
    return known ? session::historyOf(journal::Journal(), directory, *known)
                 : QList<journal::Entry>();
}

std::optional<session::UnitHistoryPlace> SiteWindow::historyPlaceOf(const QString& unitName,
                                                                    QString& why) const
{
    for (const session::SiteUnit& unit : m_site.units)
        if (unit.link.unitName() == unitName)
            return session::unitHistoryPlace(m_path, m_site, unit.name, {}, why);
    return std::nullopt;
}

void SiteWindow::showSite()
{
    const QScopedValueRollback filling(m_filling, true);
    m_table->setRowCount(static_cast<int>(m_site.units.size()));
    for (int row = 0; row < m_site.units.size(); ++row)
        setRow(row, m_site.units[row]);
    refreshRows();
    fitColumns();
    updateActions();
}

void SiteWindow::fitColumns()
{
    m_table->resizeColumnsToContents();
    // A long link or result shows whole in its tool tip rather than widening the window.
    const int widest = fontMetrics().averageCharWidth() * 36;
    for (const int column : {kLinkColumn, kResultColumn})
        m_table->setColumnWidth(column, std::min(m_table->columnWidth(column), widest));
}

void SiteWindow::setRow(int row, const session::SiteUnit& unit)
{
    const QScopedValueRollback filling(m_filling, true);
    m_table->setItem(row, kNameColumn, new QTableWidgetItem(unit.name));
    m_table->setItem(row, kLinkColumn, new QTableWidgetItem(unit.link.text()));
    m_table->item(row, kLinkColumn)->setToolTip(unit.link.text());
    for (int column = kBackupColumn; column <= kResultColumn; ++column)
        if (!m_table->item(row, column))
            m_table->setItem(row, column, readOnlyItem({}));
    m_table->setItem(row, kLiveColumn,
                     readOnlyItem(!m_liveUnit.isEmpty() && unit.link.unitName() == m_liveUnit
                                      ? tr("on")
                                      : tr("off")));
}

void SiteWindow::showLiveUnit(const QString& unitName)
{
    m_liveUnit = unitName;
    for (int row = 0; row < m_site.units.size(); ++row)
        setRow(row, m_site.units[row]);
}

void SiteWindow::refreshRows()
{
    const QScopedValueRollback filling(m_filling, true);
    session::UnitDirectory directory;
    const QString error = directory.load();
    for (int row = 0; row < m_site.units.size(); ++row) {
        const std::optional<session::KnownUnit> known = knownUnit(directory, m_site.units[row]);
        m_table->item(row, kBackupColumn)->setText(known ? timeOrNever(known->lastBackup) : "");
        m_table->item(row, kChangeColumn)->setText(known ? timeOrNever(known->lastChange) : "");
        const QString result = known && known->lastResultTime.isValid()
                                   ? QStringLiteral("%1 (%2)").arg(
                                         known->lastResult, timeOrNever(known->lastResultTime))
                                   : QString();
        if (!isRunning()) {
            m_table->item(row, kResultColumn)->setText(result);
            m_table->item(row, kResultColumn)->setToolTip(result);
        }
    }
    if (!error.isEmpty())
        m_summary->setText(tr("The unit directory cannot be read: %1").arg(error));
}

void SiteWindow::startRun(session::SiteMode mode)
{
    if (isRunning() || m_site.units.isEmpty())
        return;
    m_run = std::make_unique<session::SiteRun>(mode, m_site.units, session::SiteRun::Settings{});
    connect(m_run.get(), &session::SiteRun::unitStarted, this, &SiteWindow::onUnitStarted);
    connect(m_run.get(), &session::SiteRun::unitFinished, this, &SiteWindow::onUnitFinished);
    connect(m_run.get(), &session::SiteRun::finished, this, &SiteWindow::onRunFinished,
            Qt::QueuedConnection);
    for (int row = 0; row < m_table->rowCount(); ++row)
        m_table->item(row, kResultColumn)->setText(tr("waiting"));
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

void SiteWindow::onUnitStarted(int index)
{
    if (QTableWidgetItem* item = m_table->item(index, kResultColumn))
        item->setText(tr("reading..."));
}

void SiteWindow::onUnitFinished(int index, const session::UnitOutcome& outcome)
{
    QTableWidgetItem* item = m_table->item(index, kResultColumn);
    if (!item)
        return;
    item->setText(session::resultWord(outcome.result) + QStringLiteral(": ") + outcome.detail);
    item->setToolTip(outcome.changes.isEmpty() ? outcome.detail
                                               : outcome.changes.join(QLatin1Char('\n')));
    item->setForeground(session::isGood(outcome.result) ? palette().text() : QBrush(Qt::darkRed));
}

void SiteWindow::onRunFinished()
{
    const QList<session::UnitOutcome> outcomes = m_run->outcomeList();
    QString summary =
        (m_run->mode() == session::SiteMode::Backup ? tr("Backup: ") : tr("Verify: ")) +
        session::summaryLine(outcomes);
    for (const QString& warning : m_run->takeWarnings())
        summary += QStringLiteral("; ") + warning;
    m_summary->setText(summary);
    // The rows keep the run's results; the times come from the directory.
    const QScopedValueRollback filling(m_filling, true);
    session::UnitDirectory directory;
    directory.load();
    for (int row = 0; row < m_site.units.size(); ++row)
        if (const std::optional<session::KnownUnit> known =
                knownUnit(directory, m_site.units[row])) {
            m_table->item(row, kBackupColumn)->setText(timeOrNever(known->lastBackup));
            m_table->item(row, kChangeColumn)->setText(timeOrNever(known->lastChange));
        }
    updateActions();
    emit runFinished();
}

void SiteWindow::updateActions()
{
    const bool running = isRunning();
    const bool chosen = m_table->currentRow() >= 0 && m_table->currentRow() < m_site.units.size();
    const bool any = !m_site.units.isEmpty();
    for (QAction* action : {m_newSite, m_openSite, m_addUnit})
        action->setEnabled(!running);
    m_removeUnit->setEnabled(!running && chosen);
    m_backUp->setEnabled(!running && any);
    m_verify->setEnabled(!running && any);
    m_stop->setEnabled(running);
    for (QPushButton* button : {m_openUnit, m_compareUnit, m_historyButton})
        button->setEnabled(chosen);
    m_table->setEditTriggers(running ? QAbstractItemView::NoEditTriggers
                                     : QAbstractItemView::DoubleClicked |
                                           QAbstractItemView::EditKeyPressed);
}

std::optional<journal::Entry> SiteWindow::chosenBackup(bool sayWhyNot)
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_site.units.size())
        return std::nullopt;
    std::optional<journal::Entry> backup = lastBackupOf(m_site.units[row]);
    if (!backup && sayWhyNot)
        m_prompts->showError(tr("%1 has no backup in the journal yet: back up the site first.")
                                 .arg(m_site.units[row].name));
    return backup;
}

void SiteWindow::openChosenUnit()
{
    const int row = m_table->currentRow();
    if (row >= 0 && row < m_site.units.size())
        emit openUnitRequested(chosenBackup(false), m_site.units[row].link);
}

void SiteWindow::compareChosenUnit()
{
    if (const std::optional<journal::Entry> backup = chosenBackup(true))
        emit compareRequested(*backup);
}

void SiteWindow::showChosenHistory()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_site.units.size())
        return;
    const session::SiteUnit unit = m_site.units[row];
    if (!m_history) {
        m_history = new HistoryDialog(this);
        m_history->setRestoreEnabled(true);
        connect(m_history, &HistoryDialog::openRequested, this, &SiteWindow::openEntryRequested);
        connect(m_history, &HistoryDialog::compareRequested, this, &SiteWindow::compareRequested);
        connect(m_history, &HistoryDialog::keepRequested, this,
                [this](const journal::Entry& entry, bool kept) {
                    emit keepRequested(entry, kept);
                    // The entry's mark, as the journal holds it now.
                    m_history->showEntries(historyOfUnit(m_historyUnit), journal::defaultFolder());
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
    m_historyUnit = unit;
    m_history->setWindowTitle(tr("History of %1").arg(unit.name));
    m_history->showEntries(historyOfUnit(unit), journal::defaultFolder());
    QString why;
    const std::optional<session::UnitHistoryPlace> place =
        session::unitHistoryPlace(m_path, m_site, unit.name, {}, why);
    m_historyCommits->show(place, why);
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}

} // namespace zel::ui
