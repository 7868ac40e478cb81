// The main window's work with a unit beyond import, export and comparison: the journal's entries
// opened, compared and restored.
#include "ui/window/main_window.h"

#include "journal/journal.h"
#include "model/config_model.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/whole_configuration.h"
#include "text/latin1_text.h"
#include "ui/common/painting_suspended.h"
#include "ui/common/user_prompts.h"
#include "ui/compare/unit_comparison.h"
#include "ui/history/history_dialog.h"
#include "ui/history/unit_commits_controller.h"
#include "ui/site/site_window.h"
#include "ui/transfer/link_controller.h"
#include "ui/transfer/text_box_loading.h"
#include "ui/transfer/window_questions.h"

#include <QActionGroup>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <utility>

namespace zel::ui {

void MainWindow::showHistory()
{
    if (!m_history) {
        m_history = new HistoryDialog(this);
        connect(m_history, &HistoryDialog::openRequested, this, &MainWindow::openJournalEntry);
        connect(m_history, &HistoryDialog::compareRequested, this,
                &MainWindow::compareJournalEntry);
        connect(m_history, &HistoryDialog::restoreRequested, this,
                &MainWindow::restoreJournalEntry);
        connect(m_history, &HistoryDialog::keepRequested, this, &MainWindow::keepJournalEntry);
        m_historyCommits = new UnitCommitsController(m_history);
        connectKeptRequests(m_historyCommits);
        connect(m_link, &LinkController::transferFinished, this, [this] {
            m_history->showEntries(m_link->journal().entries(), m_link->journal().folder());
        });
        connect(m_linkModeGroup, &QActionGroup::triggered, this, &MainWindow::updateCommands);
    }
    m_history->showEntries(m_link->journal().entries(), m_link->journal().folder());
    // The link reaches a unit of the open site: its commits in the site's history too.
    QString why;
    const std::optional<session::UnitHistoryPlace> place =
        m_siteWindow ? m_siteWindow->historyPlaceOf(m_link->journalUnit(), why) : std::nullopt;
    m_historyCommits->show(place, why);
    updateCommands();
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}

std::optional<KeptConfiguration> MainWindow::keptEntry(const journal::Entry& entry)
{
    QString error;
    const std::optional<QByteArray> bytes = m_link->journal().text(entry, &error);
    if (!bytes) {
        m_prompts->showError(tr("The journal entry of %1 at %2 cannot be read: %3")
                                 .arg(entry.unit, entryTimeText(entry), error));
        return std::nullopt;
    }
    return keptJournalEntry(entry,
                            text::fromLatin1(bytes->toStdString()).remove(QLatin1Char('\r')));
}

bool MainWindow::openJournalEntry(const journal::Entry& entry)
{
    const std::optional<KeptConfiguration> kept = keptEntry(entry);
    return kept && openKept(*kept);
}

void MainWindow::compareJournalEntry(const journal::Entry& entry)
{
    if (const std::optional<KeptConfiguration> kept = keptEntry(entry))
        compareKept(*kept);
}

void MainWindow::restoreJournalEntry(const journal::Entry& entry)
{
    if (const std::optional<KeptConfiguration> kept = keptEntry(entry))
        restoreKept(*kept);
}

bool MainWindow::openKept(const KeptConfiguration& kept)
{
    if (unitBusy())
        return false;
    if (!kept.partialReason.isEmpty()) {
        m_prompts->showError(kept.partialReason);
        return false;
    }
    if (!confirmDiscardingEdits(questions::discardOnOpen(kept.name)))
        return false;
    const PaintingSuspended suspended(m_tabs); // every page is refilled
    reset();
    showConfigurationPage();
    m_configurationTextBox->setPlainText(kept.text);
    readerRun();
    if (!kept.cutReason.isEmpty())
        m_session.markIncomplete(kept.cutReason.toStdString());
    setStatusText(kept.openedStatus);
    return true;
}

void MainWindow::compareKept(const KeptConfiguration& kept)
{
    if (!m_session.loaded().isLoaded()) {
        m_prompts->showError(tr("There is nothing being edited to compare with: import, open or "
                                "start a configuration first, or open the entry itself."));
        return;
    }
    commitAndRefresh();
    setStatusText(m_comparison->compare(m_session.model(), kept.text, kept.compareSource,
                                        kept.compareNotWhole, {}, *m_prompts));
}

void MainWindow::restoreKept(const KeptConfiguration& kept)
{
    const QString unit = m_link->journalUnit();
    if (unitBusy() || unit.isEmpty())
        return;
    if (!kept.partialReason.isEmpty()) {
        m_prompts->showError(kept.partialReason);
        return;
    }
    model::ConfigModel restored;
    model::resetModel(restored);
    model::LogLines log;
    const model::ReadSummary read = model::readText(restored, text::toLatin1(kept.text), log);
    if (read.settingLines == 0) {
        m_prompts->showError(questions::kNothingToSend);
        return;
    }
    model::markUnavailableGroups(restored);
    if (!m_prompts->confirm(questions::restoreEntry(unit, kept.restoreWhat)))
        return;
    // It goes as it was kept: compared whole, network included, with the unit the read finds.
    session::send::Outgoing outgoing;
    outgoing.configuration = restored;
    outgoing.edited = false;
    // A fetch may not have come whole; either may not have set all a whole configuration sets.
    outgoing.cutReason = kept.cutReason;
    outgoing.missingParts = model::missingFromWhole(restored, read.coverage);
    const std::vector<std::string> lines = model::writeConfiguration(restored);
    sendToUnit(SendFor::Restore, std::move(outgoing),
               [lines](const model::ConfigModel&) { return lines; });
}

void MainWindow::keepJournalEntry(const journal::Entry& entry, bool kept)
{
    const QString error = m_link->journal().setKept(entry, kept);
    if (!error.isEmpty())
        m_prompts->showError(tr("The journal entry of %1 at %2 could not be marked %3: %4")
                                 .arg(entry.unit, entryTimeText(entry),
                                      kept ? tr("kept") : tr("no longer kept"), error));
    m_history->showEntries(m_link->journal().entries(), m_link->journal().folder());
}

} // namespace zel::ui
