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

bool MainWindow::openJournalEntry(const journal::Entry& entry)
{
    if (unitBusy())
        return false;
    if (!journal::holdsWholeConfiguration(entry)) {
        m_prompts->showError(partialEntryReason(entry));
        return false;
    }
    if (!confirmDiscardingEdits(questions::kDiscardOnOpen))
        return false;
    const std::optional<QString> text = journalText(entry);
    if (!text)
        return false;
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
    return true;
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
    QString notWhole;
    if (!journal::holdsWholeConfiguration(entry))
        notWhole = tr("a %1 holds only the parts that were sent")
                       .arg(journal::kindText(journal::kindOf(entry)));
    else if (entry.direction == journal::Direction::FromUnit && !entry.whole)
        notWhole = entry.ending;
    const QString source =
        tr("the journal entry %1 %2 at %3")
            .arg(journal::directionWord(entry.direction), entry.unit, entryTimeText(entry));
    setStatusText(
        m_comparison->compare(m_session.model(), *text, source, notWhole, {}, *m_prompts));
}

void MainWindow::restoreJournalEntry(const journal::Entry& entry)
{
    const QString unit = m_link->journalUnit();
    if (unitBusy() || unit.isEmpty())
        return;
    if (!journal::holdsWholeConfiguration(entry)) {
        m_prompts->showError(partialEntryReason(entry));
        return;
    }
    const std::optional<QString> text = journalText(entry);
    if (!text)
        return;
    model::ConfigModel restored;
    model::resetModel(restored);
    model::LogLines log;
    const model::ReadSummary read = model::readText(restored, text::toLatin1(*text), log);
    if (read.settingLines == 0) {
        m_prompts->showError(questions::kNothingToSend);
        return;
    }
    model::markUnavailableGroups(restored);
    if (!m_prompts->confirm(questions::restoreEntry(
            unit, tr("the configuration %1 %2 at %3")
                      .arg(entry.direction == journal::Direction::FromUnit ? tr("read from")
                                                                           : tr("sent to"),
                           entry.unit, entryTimeText(entry)))))
        return;
    // The entry goes as it was: compared whole, network included, with the unit the read finds.
    session::send::Outgoing outgoing;
    outgoing.configuration = restored;
    outgoing.edited = false;
    // A configuration sent is whole however far it got; one fetched may not be. Either may not
    // have set all a whole configuration sets.
    if (entry.direction == journal::Direction::FromUnit && !entry.whole)
        outgoing.cutReason = entry.ending;
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
