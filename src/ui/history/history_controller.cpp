#include "ui/history/history_controller.h"

#include "journal/journal.h"
#include "session/configuration/configuration_session.h"
#include "session/send/send_requests.h"
#include "text/latin1_text.h"
#include "ui/common/user_prompts.h"
#include "ui/compare/unit_comparison.h"
#include "ui/history/history_dialog.h"
#include "ui/send/send_controller.h"
#include "ui/transfer/link_controller.h"
#include "ui/transfer/window_questions.h"

#include <utility>

namespace zel::ui {

HistoryController::HistoryController(HistoryWindowSide window, QObject* parent)
    : QObject(parent), m_window(std::move(window))
{
}

void HistoryController::showHistory()
{
    if (!m_dialog) {
        m_dialog = new HistoryDialog(&m_window.window);
        connect(m_dialog, &HistoryDialog::openRequested, this, &HistoryController::openEntry);
        connect(m_dialog, &HistoryDialog::compareRequested, this, &HistoryController::compareEntry);
        connect(m_dialog, &HistoryDialog::restoreRequested, this, &HistoryController::restoreEntry);
        connect(m_dialog, &HistoryDialog::keepRequested, this, &HistoryController::keepEntry);
        // Every transfer with a unit adds an entry.
        connect(&m_window.link, &LinkController::transferFinished, this,
                &HistoryController::showEntries);
    }
    showEntries();
    updateCommands();
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void HistoryController::showEntries()
{
    if (m_dialog)
        m_dialog->showEntries(m_window.link.journal().entries(), m_window.link.journal().folder());
}

void HistoryController::updateCommands()
{
    const link::LinkMode mode = m_window.link.linkMode();
    if (m_dialog)
        m_dialog->setRestoreEnabled(!m_window.unitBusy() && (mode == link::LinkMode::Serial ||
                                                             mode == link::LinkMode::Telnet));
}

std::optional<QString> HistoryController::entryText(const journal::Entry& entry)
{
    QString error;
    const std::optional<QByteArray> bytes = m_window.link.journal().text(entry, &error);
    if (!bytes) {
        m_window.prompts().showError(tr("The journal entry of %1 at %2 cannot be read: %3")
                                         .arg(entry.unit, entryTimeText(entry), error));
        return std::nullopt;
    }
    return text::fromLatin1(bytes->toStdString()).remove(QLatin1Char('\r'));
}

bool HistoryController::openEntry(const journal::Entry& entry)
{
    if (m_window.unitBusy())
        return false;
    if (!journal::holdsWholeConfiguration(entry)) {
        m_window.prompts().showError(partialEntryReason(entry));
        return false;
    }
    if (!m_window.confirmDiscardingEdits(questions::kDiscardOnOpen))
        return false;
    const std::optional<QString> text = entryText(entry);
    if (!text)
        return false;
    m_window.loadText(*text);
    // A configuration sent is whole however far it got; one fetched may not be.
    if (entry.direction == journal::Direction::FromUnit && !entry.whole)
        m_window.configuration.markIncomplete(entry.ending.toStdString());
    m_window.showStatus(
        tr(" Opened from the journal: %1 at %2").arg(entry.unit, entryTimeText(entry)));
    return true;
}

void HistoryController::compareEntry(const journal::Entry& entry)
{
    if (!m_window.configuration.loaded().isLoaded()) {
        m_window.prompts().showError(
            tr("There is nothing being edited to compare with: import, open or start a "
               "configuration first, or open the entry itself."));
        return;
    }
    const std::optional<QString> text = entryText(entry);
    if (!text)
        return;
    m_window.commitEdits();
    QString notWhole;
    if (!journal::holdsWholeConfiguration(entry))
        notWhole = tr("a %1 holds only the parts that were sent")
                       .arg(journal::kindText(journal::kindOf(entry)));
    else if (entry.direction == journal::Direction::FromUnit && !entry.whole)
        notWhole = entry.ending;
    const QString source =
        tr("the journal entry %1 %2 at %3")
            .arg(journal::directionWord(entry.direction), entry.unit, entryTimeText(entry));
    m_window.showStatus(m_window.comparison.compare(m_window.configuration.model(), *text, source,
                                                    notWhole, {}, m_window.prompts()));
}

void HistoryController::restoreEntry(const journal::Entry& entry)
{
    const QString unit = m_window.link.journalUnit();
    if (m_window.unitBusy() || unit.isEmpty())
        return;
    if (!journal::holdsWholeConfiguration(entry)) {
        m_window.prompts().showError(partialEntryReason(entry));
        return;
    }
    const std::optional<QString> text = entryText(entry);
    if (!text)
        return;
    std::optional<session::send::SendRequest> request =
        session::send::restoreRequest(entry, text::toLatin1(*text));
    if (!request) {
        m_window.prompts().showError(questions::kNothingToSend);
        return;
    }
    if (!m_window.prompts().confirm(questions::restoreEntry(
            unit, tr("the configuration %1 %2 at %3")
                      .arg(entry.direction == journal::Direction::FromUnit ? tr("read from")
                                                                           : tr("sent to"),
                           entry.unit, entryTimeText(entry)))))
        return;
    m_window.sends.send(SendController::Kind::Restore, std::move(*request));
}

void HistoryController::keepEntry(const journal::Entry& entry, bool kept)
{
    const QString error = m_window.link.journal().setKept(entry, kept);
    if (!error.isEmpty())
        m_window.prompts().showError(tr("The journal entry of %1 at %2 could not be marked %3: %4")
                                         .arg(entry.unit, entryTimeText(entry),
                                              kept ? tr("kept") : tr("no longer kept"), error));
    // The History dialog may never have been shown: a site's history asks too.
    showEntries();
}

} // namespace zel::ui
