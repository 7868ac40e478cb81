// The main window's comparison with a unit and Send Selected: the rows ticked are sent against
// what the unit holds now, each block made of the edited values of the ticked rows and the
// unit's own values of the rest.
#include "ui/window/main_window.h"

#include "model/changed_lines.h"
#include "model/config_writer.h"
#include "model/selected_lines.h"
#include "model/whole_configuration.h"
#include "text/latin1_text.h"
#include "ui/common/user_prompts.h"
#include "ui/window/compare_dialog.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/link_controller.h"
#include "ui/window/unit_comparison.h"
#include "ui/window/unit_identity_question.h"
#include "ui/window/window_questions.h"

#include <utility>

namespace zel::ui {

namespace {

std::string writerText(const model::ConfigModel& configuration)
{
    return model::joinLines(model::writeConfiguration(configuration), "\n");
}

// What changed on the unit, for a note: the first few differences, and how many more.
QString changesText(const std::vector<model::Difference>& changes)
{
    constexpr std::size_t kNamed = 3;
    QStringList named;
    for (std::size_t i = 0; i < changes.size() && i < kNamed; ++i)
        named << text::fromLatin1(model::describe(changes[i]));
    if (changes.size() > kNamed)
        named << QObject::tr("and %1 more").arg(changes.size() - kNamed);
    return named.join(QStringLiteral("; "));
}

const QString kSendAgain = QStringLiteral("The list shows what differs now: check the rows to "
                                          "send, then send again.");
const QString kEditedSince = QStringLiteral("Nothing was sent: the configuration being edited "
                                            "changed since the comparison. ") +
                             kSendAgain;

} // namespace

void MainWindow::compareWithUnit()
{
    if (unitBusy() || !m_session.loaded().isLoaded())
        return;
    commitAndRefresh();
    m_fetchFor = FetchFor::Comparison;
    m_link->fetchForComparison();
}

void MainWindow::showComparison(const QString& text, const QString& source, const QString& unit,
                                const QString& incompleteReason, bool cancelled)
{
    const FetchFor fetchFor = std::exchange(m_fetchFor, FetchFor::Comparison);
    const bool whole = !unit.isEmpty() && incompleteReason.isEmpty() && !cancelled;
    if (whole) { // the fetch before an export too: what the unit held when the visit began
        learnModel(text);
        m_session.fetchedFromUnit(text::toLatin1(text), source);
    }
    if (fetchFor == FetchFor::ModelOfUnit) {
        modelFetched(cancelled ? nullptr : &text, incompleteReason, cancelled);
        return;
    }
    if (cancelled) {
        const bool sending = fetchFor == FetchFor::BeforeSend;
        m_rowsToSend.clear();
        setStatusText(sending ? tr(" Send Selected cancelled: nothing was sent")
                              : QStringLiteral(" Comparison with %1 cancelled").arg(source));
        return;
    }
    const session::ComparedUnit before = m_compared;
    m_pageSet->commitToModel(); // what the pages hold is what is compared
    if (unit.isEmpty()) {
        // A file: shown, never sent to.
        m_compared.clear();
        setStatusText(m_comparison->compare(m_session.model(), text, source, incompleteReason, {},
                                            *m_prompts, false));
        return;
    }
    m_compared.compared(m_link->journalUnit(), source, text::toLatin1(text), incompleteReason,
                        writerText(m_session.model()), m_clock(), m_transfersStarted);
    if (fetchFor == FetchFor::BeforeSend)
        refetchedBeforeSend(std::exchange(m_rowsToSend, {}), before);
    else
        showCompared(fetchFor == FetchFor::AfterSend);
}

void MainWindow::showCompared(bool afterSend, const QString& note)
{
    const std::string unit = m_compared.unit().toStdString();
    const bool same = m_compared.incompleteReason().isEmpty() &&
                      model::compareConfigurations(m_session.model(), m_compared.model()).empty();
    if (afterSend && same)
        m_session.unitHoldsEdited(unit);
    const UnitComparison::Standing standing{m_session.loaded().exportedSinceLoadTo(unit),
                                            m_session.hasUnsavedEdits(), afterSend};
    const QString status =
        m_comparison->compare(m_session.model(), m_compared.text(), m_compared.source(),
                              m_compared.incompleteReason(), standing, *m_prompts, true);
    if (!note.isEmpty() && m_comparison->dialog())
        m_comparison->dialog()->addNote(note);
    setStatusText(afterSend && same ? QStringLiteral(" Sent to %1: the unit now holds the "
                                                     "configuration being edited")
                                          .arg(m_compared.source())
                                    : status);
}

void MainWindow::sendSelected(const std::vector<model::Difference>& chosen)
{
    if (unitBusy() || !m_compared.isSet())
        return;
    QString unknown = m_compared.incompleteReason();
    if (unknown.isEmpty() && !m_compared.missingParts().empty())
        unknown = tr("it did not set %1")
                      .arg(text::fromLatin1(model::joinParts(m_compared.missingParts())));
    if (!unknown.isEmpty()) {
        m_prompts->showError(questions::sendSelectedUnknown(unknown));
        return;
    }
    if (m_link->journalUnit() != m_compared.unit()) {
        m_prompts->showError(tr("The link was changed since the comparison: compare with the "
                                "unit again, then send the selected rows."));
        return;
    }
    if (model::blocksOf(chosen).empty()) {
        m_prompts->showError(tr("No row that can be sent is checked: check the rows to send."));
        return;
    }
    if (!confirmWholeEnough())
        return;
    const std::optional<model::UnitModel> sent = model::unitModelOf(m_session.model());
    const std::optional<model::UnitModel> held = model::unitModelOf(m_compared.model());
    if (model::otherModels(sent, held) &&
        !m_prompts->confirm(questions::sendToOtherModel(
            QString::fromStdString(model::unitModelName(*sent)),
            QString::fromStdString(model::unitModelName(*held)), m_compared.unit())))
        return;
    commitAndRefresh();
    if (!confirmUncarriedTexts() ||
        !confirmSameUnit(*m_prompts, m_session.model(), true, m_compared.unit(),
                         session::fingerprintOf(m_compared.model())))
        return;
    if (!m_compared.isFresh(m_clock(), m_transfersStarted)) {
        // What the unit holds now decides what its unticked rows are.
        m_rowsToSend = chosen;
        m_fetchFor = FetchFor::BeforeSend;
        m_link->fetchForComparison();
        if (!m_link->isTransferRunning() && m_fetchFor == FetchFor::BeforeSend) {
            m_fetchFor = FetchFor::Comparison;
            m_rowsToSend.clear();
        }
        return;
    }
    if (m_compared.editedSince(writerText(m_session.model()))) {
        showCompared(false, kEditedSince);
        return;
    }
    sendRows(chosen);
}

void MainWindow::refetchedBeforeSend(const std::vector<model::Difference>& chosen,
                                     const session::ComparedUnit& before)
{
    if (!m_compared.incompleteReason().isEmpty()) {
        showCompared(false, tr("Nothing was sent: the unit's configuration did not come whole "
                               "when it was fetched again."));
        return;
    }
    const std::vector<model::Difference> changes =
        model::compareConfigurations(before.model(), m_compared.model());
    if (!changes.empty()) {
        showCompared(false, tr("Nothing was sent: the unit's configuration changed since the "
                               "comparison (%1). ")
                                    .arg(changesText(changes)) +
                                kSendAgain);
        return;
    }
    if (before.editedSince(writerText(m_session.model()))) {
        showCompared(false, kEditedSince);
        return;
    }
    afterThisTransfer([this, chosen] { sendRows(chosen); });
}

void MainWindow::sendRows(const std::vector<model::Difference>& chosen)
{
    QStringList lines;
    for (const std::string& line :
         model::selectedLines(m_compared.model(), m_session.model(), chosen))
        lines << text::fromLatin1(line);
    if (lines.size() == 1) { // the end line alone
        m_prompts->showError(tr("Nothing of the checked rows can be sent: the configuration "
                                "being edited does not write them (a zone or source beyond its "
                                "counts, a setting its zone's EQ mode does not use)."));
        return;
    }
    m_sendingSelected = true;
    m_link->exportConfiguration(lines, LinkController::Send::Partial);
    if (!m_link->isTransferRunning())
        m_sendingSelected = false;
}

} // namespace zel::ui
