#include "ui/history/history_controller.h"

#include "journal/journal.h"
#include "session/configuration/configuration_session.h"
#include "session/send/send_requests.h"
#include "text/latin1_text.h"
#include "ui/common/user_prompts.h"
#include "ui/compare/unit_comparison.h"
#include "ui/history/history_dialog.h"
#include "ui/history/unit_commits_controller.h"
#include "ui/send/send_controller.h"
#include "ui/transfer/link_controller.h"
#include "ui/transfer/window_questions.h"

#include <QPointer>

#include <utility>

namespace zel::ui {

HistoryController::HistoryController(HistoryWindowSide window, QObject* parent)
    : QObject(parent), m_window(std::move(window))
{
}

void HistoryController::setUnitNames(std::function<QString(const QString& unit)> names)
{
    m_unitNames = std::move(names);
    if (m_dialog)
        m_dialog->setUnitNames(m_unitNames);
}

void HistoryController::showHistory()
{
    if (!m_dialog) {
        m_dialog = new HistoryDialog(&m_window.window);
        m_dialog->setUnitNames(m_unitNames);
        connect(m_dialog, &HistoryDialog::openRequested, this, &HistoryController::openEntry);
        connect(m_dialog, &HistoryDialog::compareRequested, this, &HistoryController::compareEntry);
        connect(m_dialog, &HistoryDialog::restoreRequested, this, &HistoryController::restoreEntry);
        connect(m_dialog, &HistoryDialog::keepRequested, this, &HistoryController::keepEntry);
        // Every transfer with a unit adds an entry.
        connect(&m_window.link, &LinkController::transferFinished, this,
                &HistoryController::showEntries);
        m_commits = new UnitCommitsController(m_dialog);
        takeCommitRequests(m_commits);
    }
    showEntries();
    // The link reaches a unit of the open site: its commits in the site's history too.
    QString why;
    const std::optional<session::UnitHistoryPlace> place =
        m_window.historyPlaceOf ? m_window.historyPlaceOf(m_window.link.journalUnit(), why)
                                : std::nullopt;
    m_commits->show(place, why);
    updateCommands();
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void HistoryController::showEntries()
{
    if (!m_dialog)
        return;
    m_dialog->showReading();
    // Read after the records asked for before: a transfer just ended is listed.
    m_window.link.journalWork().run(
        [journal = m_window.link.journal(),
         dialog = QPointer<HistoryDialog>(m_dialog)]() -> BackgroundQueue::Answer {
            return [entries = journal.entries(), folder = journal.folder(), dialog] {
                if (dialog)
                    dialog->showEntries(entries, folder);
            };
        });
}

void HistoryController::updateCommands()
{
    const link::LinkMode mode = m_window.link.linkMode();
    if (m_dialog)
        m_dialog->setRestoreEnabled(!m_window.unitBusy() && (mode == link::LinkMode::Serial ||
                                                             mode == link::LinkMode::Telnet));
}

std::optional<KeptConfiguration> HistoryController::keptEntry(const journal::Entry& entry)
{
    QString error;
    const std::optional<QByteArray> bytes = m_window.link.journal().text(entry, &error);
    if (!bytes) {
        m_window.prompts().showError(tr("The journal entry of %1 at %2 cannot be read: %3")
                                         .arg(entry.unit, entryTimeText(entry), error));
        return std::nullopt;
    }
    return keptJournalEntry(entry,
                            text::fromLatin1(bytes->toStdString()).remove(QLatin1Char('\r')));
}

bool HistoryController::openEntry(const journal::Entry& entry)
{
    const std::optional<KeptConfiguration> kept = keptEntry(entry);
    return kept && openKept(*kept);
}

void HistoryController::compareEntry(const journal::Entry& entry)
{
    if (const std::optional<KeptConfiguration> kept = keptEntry(entry))
        compareKept(*kept);
}

void HistoryController::restoreEntry(const journal::Entry& entry)
{
    if (const std::optional<KeptConfiguration> kept = keptEntry(entry))
        restoreKept(*kept);
}

bool HistoryController::openKept(const KeptConfiguration& kept)
{
    if (m_window.unitBusy())
        return false;
    if (!kept.partialReason.isEmpty()) {
        m_window.prompts().showError(kept.partialReason);
        return false;
    }
    if (!m_window.confirmDiscardingEdits(questions::discardOnOpen(kept.name)))
        return false;
    m_window.loadText(kept.text);
    if (!kept.cutReason.isEmpty())
        m_window.configuration.markIncomplete(kept.cutReason.toStdString());
    m_window.showStatus(kept.openedStatus);
    return true;
}

void HistoryController::compareKept(const KeptConfiguration& kept)
{
    if (!m_window.configuration.loaded().isLoaded()) {
        m_window.prompts().showError(
            tr("There is nothing being edited to compare with: import, open or start a "
               "configuration first, or open the entry itself."));
        return;
    }
    m_window.commitEdits();
    m_window.showStatus(m_window.comparison.compare(m_window.configuration.model(), kept.text,
                                                    kept.compareSource, kept.compareNotWhole, {},
                                                    m_window.prompts()));
}

void HistoryController::restoreKept(const KeptConfiguration& kept)
{
    const QString unit = m_window.link.journalUnit();
    if (m_window.unitBusy() || unit.isEmpty())
        return;
    if (!kept.partialReason.isEmpty()) {
        m_window.prompts().showError(kept.partialReason);
        return;
    }
    std::optional<session::send::SendRequest> request =
        session::send::restoreRequest(text::toLatin1(kept.text), kept.cutReason);
    if (!request) {
        m_window.prompts().showError(questions::kNothingToSend);
        return;
    }
    // The unit by the open site's name for it, as History heads its entries.
    const QString name = m_unitNames ? m_unitNames(unit) : QString();
    const QString shown = name.isEmpty() ? unit : tr("%1 (%2)").arg(name, unit);
    if (!m_window.prompts().confirm(questions::restoreEntry(shown, kept.restoreWhat)))
        return;
    m_window.sends.send(SendController::Kind::Restore, std::move(*request));
}

void HistoryController::takeCommitRequests(UnitCommitsController* commits)
{
    connect(commits, &UnitCommitsController::openRequested, this, &HistoryController::openKept);
    connect(commits, &UnitCommitsController::compareRequested, this,
            &HistoryController::compareKept);
    connect(commits, &UnitCommitsController::restoreRequested, this,
            [this](const KeptConfiguration& kept, const session::SiteLink& link) {
                if (!m_window.unitBusy() && m_window.link.useLink(link))
                    restoreKept(kept);
            });
}

void HistoryController::keepEntry(const journal::Entry& entry, bool kept)
{
    // Marking takes the journal's lock, which another program may hold for a moment.
    m_window.link.journalWork().run(
        [journal = m_window.link.journal(), entry, kept,
         self = QPointer<HistoryController>(this)]() mutable -> BackgroundQueue::Answer {
            return [error = journal.setKept(entry, kept).text, entry, kept, self] {
                if (self)
                    self->onKept(entry, kept, error);
            };
        });
    // The History dialog may never have been shown: a site's history asks too.
    showEntries();
}

void HistoryController::onKept(const journal::Entry& entry, bool kept, const QString& error)
{
    if (!error.isEmpty())
        m_window.prompts().showError(tr("The journal entry of %1 at %2 could not be marked %3: %4")
                                         .arg(entry.unit, entryTimeText(entry),
                                              kept ? tr("kept") : tr("no longer kept"), error));
}

} // namespace zel::ui
