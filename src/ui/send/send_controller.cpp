#include "ui/send/send_controller.h"

#include "session/configuration/configuration_session.h"
#include "session/unit/identity_check.h"
#include "session/unit/unit_directory.h"
#include "text/latin1_text.h"
#include "ui/common/user_prompts.h"
#include "ui/transfer/link_controller.h"
#include "ui/transfer/text_box_loading.h"
#include "ui/transfer/transfer_status_texts.h"
#include "ui/transfer/window_questions.h"

#include <QPlainTextEdit>
#include <QTimer>

#include <utility>

namespace zel::ui {

SendController::SendController(SendWindowSide window, QObject* parent)
    : QObject(parent), m_window(std::move(window)),
      m_unitSend(m_bridge, m_bridge, session::UnitDirectory::defaultPath())
{
    LinkController& link = m_window.link;
    m_bridge.read = [this, &link] {
        m_awaitingRead = true;
        link.readBeforeSend();
        if (!link.isTransferRunning() && m_awaitingRead) { // it did not start
            m_awaitingRead = false;
            m_unitSend.abandon();
        }
    };
    m_bridge.send = [this, &link](const std::vector<std::string>& lines) {
        m_exporting = m_kind;
        if (m_kind == Kind::Restore) // whatever it held of an export before, it takes the entry
            m_window.configuration.unitOverwritten(link.journalUnit().toStdString());
        const bool selected = m_kind == Kind::Selected;
        link.exportConfiguration(text::fromLatin1(lines),
                                 selected ? LinkController::Send::Partial
                                          : LinkController::Send::Whole,
                                 selected                  ? journal::Cause::SendSelected
                                 : m_kind == Kind::Restore ? journal::Cause::Restore
                                                           : journal::Cause::Export);
        if (!link.isTransferRunning())
            m_exporting.reset();
    };
    m_bridge.answer = [this](const session::send::Finding& finding) {
        return answerFinding(finding);
    };
    connect(&link, &LinkController::unitReadForSend, this, &SendController::onReadCame);
    connect(&link, &LinkController::transferFinished, this, &SendController::onTransferFinished);
    // A restore or the rows of a comparison leave the unit holding something else than an
    // export of what is edited.
    connect(&link, &LinkController::configurationDelivered, this, [this](const QString& unit) {
        if (!m_exporting || *m_exporting == Kind::Export)
            m_window.configuration.exportDelivered(unit.toStdString());
    });
}

void SendController::send(Kind kind, session::send::SendRequest request, Followers followers)
{
    m_kind = kind;
    m_followers = std::move(followers);
    m_unitSend.start(m_window.link.journalUnit(), std::move(request.outgoing),
                     std::move(request.compose));
    emit pendingChanged();
}

void SendController::stopForClose()
{
    m_closing = true;
    m_nextStep = nullptr;
    m_unitSend.abandon();
}

void SendController::exportConfiguration()
{
    session::ConfigurationSession& configuration = m_window.configuration;
    if (m_window.unitBusy() || !configuration.loaded().isLoaded())
        return;
    const link::LinkMode mode = m_window.link.linkMode();
    if (mode != link::LinkMode::Serial && mode != link::LinkMode::Telnet) {
        if (!confirmWholeEnough())
            return;
        m_window.commitEdits();
        if (!confirmUncarriedTexts())
            return;
        m_window.link.exportConfiguration(shownExportLines());
        return;
    }
    if (configuration.exportVerdict(mode) ==
        session::ConfigurationSession::ExportVerdict::NothingToSend) {
        m_window.prompts().showError(questions::kNothingToSend);
        return;
    }
    m_window.commitEdits();
    // What is edited now is what goes, whatever the read before it brings.
    std::vector<std::string> lines;
    for (const QString& line : shownExportLines())
        lines.push_back(text::toLatin1(line));
    send(Kind::Export, session::send::exportRequest(configuration, mode, std::move(lines)));
}

QStringList SendController::shownExportLines()
{
    setLines(&m_window.exportBox, m_window.configuration.exportLines());
    return storedText(&m_window.exportBox).split(QLatin1Char('\n'));
}

void SendController::afterThisTransfer(std::function<void()> step)
{
    m_nextStep = std::move(step);
    QTimer::singleShot(0, this, [this] {
        const std::function<void()> next = std::exchange(m_nextStep, nullptr);
        if (next && !m_closing && !m_window.link.isTransferRunning())
            next();
        emit pendingChanged();
    });
    emit pendingChanged();
}

void SendController::onReadCame(const QString& text, const QString& source, const QString& unit,
                                const QString& incompleteReason, bool cancelled)
{
    m_awaitingRead = false;
    if (!unit.isEmpty() && incompleteReason.isEmpty() && !cancelled)
        m_window.configuration.fetchedFromUnit(text::toLatin1(text), source);
    // A copy: what it asks may start another send, which brings followers of its own.
    if (const auto readCame = m_followers.readCame; readCame && !cancelled)
        readCame(text, source, incompleteReason);
    // The journal has kept the read already; what it decides waits for the read's end.
    afterThisTransfer(
        [this, text, incompleteReason, cancelled] { decide(text, incompleteReason, cancelled); });
}

void SendController::onTransferFinished(link::TransferOutcome outcome)
{
    // A read that brought no text ends what waited on it here.
    if (std::exchange(m_awaitingRead, false)) {
        m_unitSend.abandon();
        emit pendingChanged(); // nothing waits on the read any more
        if (m_closing)
            return;
        if (outcome == link::TransferOutcome::LinkFailed ||
            outcome == link::TransferOutcome::NotOpen) // the error box said why
            m_window.showStatus(
                status::exportEndStatus(outcome, 0, 0, tr("the unit could not be reached")));
        else
            m_window.showStatus(
                tr(" Nothing was sent: the unit's configuration could not be read first"));
    }
    if (std::exchange(m_exporting, std::nullopt) && outcome == link::TransferOutcome::Completed &&
        m_followers.delivered)
        afterThisTransfer(m_followers.delivered);
}

void SendController::decide(const QString& text, const QString& incompleteReason, bool cancelled)
{
    const Ending ending = m_unitSend.readCame(text::toLatin1(text), incompleteReason, cancelled);
    if (ending == Ending::Cancelled) {
        m_window.showStatus(tr(" Nothing was sent: cancelled while the unit's configuration came"));
        return;
    }
    if (const auto decided = m_followers.decided) // copies, as above
        decided(ending, std::optional(m_unitSend.stoppedBy()));
    else if (ending == Ending::Declined) // the read's status would still show
        m_window.showStatus(tr(" Nothing was sent to %1").arg(m_window.link.journalUnit()));
}

bool SendController::answerFinding(const session::send::Finding& finding)
{
    using session::send::Check;
    UserPrompts& prompts = m_window.prompts();
    const QString unit = m_window.link.journalUnit();
    switch (finding.check) {
    case Check::NotWholeEnough:
        return prompts.confirm(finding.items.isEmpty()
                                   ? questions::sendIncomplete(finding.reason)
                                   : questions::sendPartial(finding.items, finding.reason, false));
    case Check::UncarriedTexts:
        return prompts.confirm(questions::sendUncarriedTexts(finding.items));
    case Check::ReadNotWhole:
        if (finding.refusal)
            return false; // said once the send has stopped
        return prompts.confirm(questions::sendToUnknownModel(
            unit, tr("its configuration did not come whole (%1)").arg(finding.reason)));
    case Check::ModelUnknown:
        return !finding.refusal &&
               prompts.confirm(questions::sendToUnknownModel(unit, finding.reason));
    case Check::OtherModel:
        return prompts.confirm(
            questions::sendToOtherModel(finding.sentModel, finding.unitModel, unit));
    case Check::AnotherUnit:
        return prompts.confirm(session::identityQuestion(*finding.mismatch));
    case Check::UnitChanged:
        return false; // said once the send has stopped, with what differs now
    }
    return false;
}

bool SendController::confirmUncarriedTexts()
{
    const QStringList findings = m_window.configuration.uncarriedTexts();
    return findings.isEmpty() ||
           m_window.prompts().confirm(questions::sendUncarriedTexts(findings));
}

bool SendController::confirmWholeEnough()
{
    const link::LinkMode mode = m_window.link.linkMode();
    const session::ConfigurationSession& configuration = m_window.configuration;
    switch (configuration.exportVerdict(mode)) {
    case session::ConfigurationSession::ExportVerdict::NothingToSend:
        m_window.prompts().showError(questions::kNothingToSend);
        return false;
    case session::ConfigurationSession::ExportVerdict::AskIfIncomplete: {
        const session::LoadedConfiguration& loaded = configuration.loaded();
        const QString reason = QString::fromStdString(loaded.incompleteReason());
        return m_window.prompts().confirm(
            loaded.missingParts().empty()
                ? questions::sendIncomplete(reason)
                : questions::sendPartial(text::fromLatin1(loaded.missingParts()), reason,
                                         mode == link::LinkMode::File));
    }
    case session::ConfigurationSession::ExportVerdict::Send:
        break;
    }
    return true;
}

} // namespace zel::ui
