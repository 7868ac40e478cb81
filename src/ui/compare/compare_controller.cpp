#include "ui/compare/compare_controller.h"

#include "model/config_writer.h"
#include "session/configuration/configuration_session.h"
#include "session/send/send_requests.h"
#include "text/latin1_text.h"
#include "ui/common/user_prompts.h"
#include "ui/compare/compare_dialog.h"
#include "ui/compare/unit_comparison.h"
#include "ui/send/send_controller.h"
#include "ui/transfer/link_controller.h"
#include "ui/transfer/window_questions.h"

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
        named << CompareController::tr("and %1 more").arg(changes.size() - kNamed);
    return named.join(QStringLiteral("; "));
}

QString sendAgainText()
{
    return CompareController::tr("The list shows what differs now: check the rows to send, then "
                                 "send again.");
}

} // namespace

CompareController::CompareController(CompareWindowSide window, QObject* parent)
    : QObject(parent), m_window(std::move(window))
{
    connect(&m_window.link, &LinkController::comparisonFetched, this,
            &CompareController::onFetched);
    // A fetch that brought nothing to compare ends here too.
    connect(&m_window.link, &LinkController::transferFinished, this,
            [this] { m_afterSend = false; });
    connect(&m_window.comparison, &UnitComparison::sendRequested, this,
            &CompareController::sendSelected);
}

void CompareController::compareWithUnit()
{
    if (m_window.unitBusy() || !m_window.configuration.loaded().isLoaded())
        return;
    m_window.commitEdits();
    m_window.link.fetchForComparison();
}

void CompareController::onFetched(const QString& text, const QString& source, const QString& unit,
                                  const QString& incompleteReason, bool cancelled)
{
    const bool afterSend = std::exchange(m_afterSend, false);
    session::ConfigurationSession& configuration = m_window.configuration;
    if (!unit.isEmpty() && incompleteReason.isEmpty() && !cancelled)
        configuration.fetchedFromUnit(text::toLatin1(text), source);
    if (cancelled) {
        m_window.showStatus(tr(" Comparison with %1 cancelled").arg(source));
        return;
    }
    if (unit.isEmpty()) {
        // A file: shown, never sent to.
        m_window.storeEdits(); // what the pages hold is what is compared
        m_compared.clear();
        m_window.showStatus(m_window.comparison.compare(
            configuration.model(), text, source, incompleteReason, {}, m_window.prompts(), false));
        return;
    }
    keepCompared(text, source, incompleteReason);
    showCompared(afterSend);
}

void CompareController::keepCompared(const QString& text, const QString& source,
                                     const QString& incompleteReason)
{
    m_window.storeEdits(); // what the pages hold is what is compared
    m_compared.compared(m_window.link.journalUnit(), source, text::toLatin1(text), incompleteReason,
                        writerText(m_window.configuration.model()));
}

void CompareController::showCompared(bool afterSend, const QString& note)
{
    session::ConfigurationSession& configuration = m_window.configuration;
    const std::string unit = m_compared.unit().toStdString();
    const bool same =
        m_compared.incompleteReason().isEmpty() &&
        model::compareConfigurations(configuration.model(), m_compared.model()).empty();
    if (afterSend && same)
        configuration.unitHoldsEdited(unit);
    // Only the read tells whether the unit holds the export: a restore or another unit since
    // leaves the mark, never what the unit holds.
    const UnitComparison::Standing standing{
        configuration.loaded().unitHoldsExport(unit, writerText(m_compared.model())),
        configuration.hasUnsavedEdits(), afterSend};
    const QString status = m_window.comparison.compare(
        configuration.model(), m_compared.text(), m_compared.source(),
        m_compared.incompleteReason(), standing, m_window.prompts(), true);
    if (!note.isEmpty() && m_window.comparison.dialog())
        m_window.comparison.dialog()->addNote(note);
    m_window.showStatus(afterSend && same
                            ? tr(" Sent to %1: the unit now holds the configuration being edited")
                                  .arg(m_compared.source())
                            : status);
}

void CompareController::sendSelected(const std::vector<model::Difference>& chosen)
{
    using session::send::SelectedRefusal;
    if (m_window.unitBusy() || !m_compared.isSet())
        return;
    session::ConfigurationSession& configuration = m_window.configuration;
    const link::LinkMode mode = m_window.link.linkMode();
    const session::send::SelectedCheck check = session::send::checkSelected(
        m_compared, m_window.link.journalUnit(), chosen, configuration, mode);
    switch (check.refusal) {
    case SelectedRefusal::UnitNotKnown:
        m_window.prompts().showError(questions::sendSelectedUnknown(check.reason));
        return;
    case SelectedRefusal::LinkChanged:
        m_window.prompts().showError(tr("The link was changed since the comparison: compare with "
                                        "the unit again, then send the selected rows."));
        return;
    case SelectedRefusal::NothingChecked:
        m_window.prompts().showError(
            tr("No row that can be sent is checked: check the rows to send."));
        return;
    case SelectedRefusal::NothingToSend:
        m_window.prompts().showError(questions::kNothingToSend);
        return;
    case SelectedRefusal::None:
        break;
    }
    m_window.commitEdits();
    if (m_compared.editedSince(writerText(configuration.model()))) {
        showCompared(false, tr("Nothing was sent: the configuration being edited changed since "
                               "the comparison. ") +
                                sendAgainText());
        return;
    }
    SendController::Followers followers;
    // What the unit holds now decides whether anything goes, and what the unticked rows of each
    // block are; a change it shows is listed as the comparison's.
    followers.readCame = [this](const QString& text, const QString& source,
                                const QString& incompleteReason) {
        keepCompared(text, source, incompleteReason);
    };
    followers.decided = [this](SendController::Ending ending,
                               const std::optional<session::send::Finding>& stop) {
        if (ending == SendController::Ending::Nothing)
            m_window.prompts().showError(
                tr("Nothing of the checked rows can be sent: the configuration being edited "
                   "does not write them (a zone or source beyond its counts, a setting its "
                   "zone's EQ mode does not use)."));
        else if (ending == SendController::Ending::Declined && stop)
            showSelectedStopped(*stop);
    };
    // Once the export's end has been shown: fetch again to show what the unit now holds.
    followers.delivered = [this] {
        m_afterSend = true;
        m_window.link.fetchForComparison();
        if (!m_window.link.isTransferRunning())
            m_afterSend = false;
    };
    m_window.sends.send(SendController::Kind::Selected,
                        session::send::selectedRequest(configuration, mode, m_compared, chosen),
                        std::move(followers));
}

void CompareController::showSelectedStopped(const session::send::Finding& finding)
{
    using session::send::Check;
    if (finding.check == Check::UnitChanged) {
        showCompared(false, tr("Nothing was sent: the unit's configuration changed since the "
                               "comparison (%1). ")
                                    .arg(changesText(finding.changes)) +
                                sendAgainText());
    } else if (finding.check == Check::ReadNotWhole && !finding.items.isEmpty()) {
        m_window.prompts().showError(questions::sendSelectedUnknown(finding.reason));
    } else if (finding.check == Check::ReadNotWhole || finding.check == Check::ModelUnknown) {
        showCompared(false, tr("Nothing was sent: the unit's configuration did not come whole "
                               "when it was fetched again."));
    }
}

} // namespace zel::ui
