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
#include "ui/compare/compare_dialog.h"
#include "ui/compare/unit_comparison.h"
#include "ui/transfer/link_controller.h"
#include "ui/transfer/window_questions.h"
#include "ui/window/editor_page_set.h"

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
    if (whole) // the read before a send too: what the unit held when the visit began
        m_session.fetchedFromUnit(text::toLatin1(text), source);
    if (fetchFor == FetchFor::BeforeSend) {
        // The journal has kept the read already; what it decides waits for the fetch's end.
        if (m_sendFor == SendFor::Selected && !cancelled) {
            m_pageSet->commitToModel();
            m_compared.compared(m_link->journalUnit(), source, text::toLatin1(text),
                                incompleteReason, writerText(m_session.model()));
        }
        afterThisTransfer([this, text, incompleteReason, cancelled] {
            readBeforeSend(text, incompleteReason, cancelled);
        });
        return;
    }
    if (cancelled) {
        setStatusText(QStringLiteral(" Comparison with %1 cancelled").arg(source));
        return;
    }
    m_pageSet->commitToModel(); // what the pages hold is what is compared
    if (unit.isEmpty()) {
        // A file: shown, never sent to.
        m_compared.clear();
        setStatusText(m_comparison->compare(m_session.model(), text, source, incompleteReason, {},
                                            *m_prompts, false));
        return;
    }
    m_compared.compared(m_link->journalUnit(), source, text::toLatin1(text), incompleteReason,
                        writerText(m_session.model()));
    showCompared(fetchFor == FetchFor::AfterSend);
}

void MainWindow::showCompared(bool afterSend, const QString& note)
{
    const std::string unit = m_compared.unit().toStdString();
    const bool same = m_compared.incompleteReason().isEmpty() &&
                      model::compareConfigurations(m_session.model(), m_compared.model()).empty();
    if (afterSend && same)
        m_session.unitHoldsEdited(unit);
    // Only the read tells whether the unit holds the export: a restore or another unit since
    // leaves the mark, never what the unit holds.
    const UnitComparison::Standing standing{
        m_session.loaded().unitHoldsExport(unit, writerText(m_compared.model())),
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
    if (m_session.exportVerdict(m_link->linkMode()) ==
        session::ConfigurationSession::ExportVerdict::NothingToSend) {
        m_prompts->showError(questions::kNothingToSend);
        return;
    }
    commitAndRefresh();
    if (m_compared.editedSince(writerText(m_session.model()))) {
        showCompared(false, kEditedSince);
        return;
    }
    // The unit is read again, always: what it holds now decides whether anything goes, and
    // what the unticked rows of each block are.
    session::send::Outgoing outgoing = editedOutgoing();
    outgoing.needsWholeRead = true;
    outgoing.compared = m_compared.model();
    sendToUnit(SendFor::Selected, std::move(outgoing),
               [this, chosen](const model::ConfigModel& unitNow) {
                   std::vector<std::string> lines =
                       model::selectedLines(unitNow, m_session.model(), chosen);
                   if (lines.size() == 1) // the end line alone
                       lines.clear();
                   return lines;
               });
}

void MainWindow::showSelectedStopped(const session::send::Finding& finding)
{
    using session::send::Check;
    if (finding.check == Check::UnitChanged) {
        showCompared(false, tr("Nothing was sent: the unit's configuration changed since the "
                               "comparison (%1). ")
                                    .arg(changesText(finding.changes)) +
                                kSendAgain);
    } else if (finding.check == Check::ReadNotWhole && !finding.items.isEmpty()) {
        m_prompts->showError(questions::sendSelectedUnknown(finding.reason));
    } else if (finding.check == Check::ReadNotWhole || finding.check == Check::ModelUnknown) {
        showCompared(false, tr("Nothing was sent: the unit's configuration did not come whole "
                               "when it was fetched again."));
    }
}

} // namespace zel::ui
