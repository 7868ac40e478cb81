// The main window's sends to a unit: Export, Restore to Unit and Send Selected all read the unit
// first (the journal keeps the read), then the session's send path puts its findings, in their
// fixed order, to the window's questions, and the lines go composed from what the unit holds
// now. File Mode is not a unit: an export to a file asks only of what it sends.
#include "ui/window/main_window.h"

#include "model/config_model.h"
#include "session/unit/identity_check.h"
#include "session/unit/unit_directory.h"
#include "text/latin1_text.h"
#include "ui/common/user_prompts.h"
#include "ui/transfer/link_controller.h"
#include "ui/transfer/text_box_loading.h"
#include "ui/transfer/window_questions.h"

#include <QPlainTextEdit>
#include <QTimer>

namespace zel::ui {

namespace {

QStringList qtStrings(const std::vector<std::string>& texts)
{
    QStringList out;
    for (const std::string& text : texts)
        out << text::fromLatin1(text);
    return out;
}

QStringList qtLines(const std::vector<std::string>& lines)
{
    return qtStrings(lines);
}

} // namespace

bool MainWindow::unitWorkPending() const
{
    return m_link->isTransferRunning() || m_nextStep || m_unitSend.isReading();
}

void MainWindow::afterThisTransfer(std::function<void()> step)
{
    m_nextStep = std::move(step);
    QTimer::singleShot(0, this, [this] {
        const std::function<void()> step = std::exchange(m_nextStep, nullptr);
        if (step && !m_closing && !m_link->isTransferRunning())
            step();
        updateCommands();
    });
    updateCommands();
}

void MainWindow::exportConfiguration()
{
    if (unitBusy() || !m_session.loaded().isLoaded())
        return;
    const link::LinkMode mode = m_link->linkMode();
    if (mode != link::LinkMode::Serial && mode != link::LinkMode::Telnet) {
        if (!confirmWholeEnough())
            return;
        commitAndRefresh();
        if (!confirmUncarriedTexts())
            return;
        setLines(m_logTextBox, m_session.exportLines());
        m_link->exportConfiguration(storedText(m_logTextBox).split(QLatin1Char('\n')));
        return;
    }
    if (m_session.exportVerdict(mode) ==
        session::ConfigurationSession::ExportVerdict::NothingToSend) {
        m_prompts->showError(questions::kNothingToSend);
        return;
    }
    commitAndRefresh();
    // What is edited now is what goes, whatever the read before it brings.
    setLines(m_logTextBox, m_session.exportLines());
    std::vector<std::string> lines;
    for (const QString& line : storedText(m_logTextBox).split(QLatin1Char('\n')))
        lines.push_back(text::toLatin1(line));
    sendToUnit(SendFor::Export, editedOutgoing(),
               [lines](const model::ConfigModel&) { return lines; });
}

session::send::Outgoing MainWindow::editedOutgoing()
{
    session::send::Outgoing outgoing;
    outgoing.configuration = m_session.model();
    outgoing.edited = true;
    if (m_session.exportVerdict(m_link->linkMode()) ==
        session::ConfigurationSession::ExportVerdict::AskIfIncomplete) {
        const session::LoadedConfiguration& loaded = m_session.loaded();
        outgoing.missingParts = loaded.missingParts();
        outgoing.cutReason = QString::fromStdString(loaded.incompleteReason());
        if (outgoing.missingParts.empty() && outgoing.cutReason.isEmpty())
            outgoing.cutReason = tr("it was not read whole");
    }
    return outgoing;
}

void MainWindow::sendToUnit(SendFor what, session::send::Outgoing outgoing,
                            session::send::UnitSend::Compose compose)
{
    m_sendFor = what;
    m_sendBridge.read = [this] {
        m_fetchFor = FetchFor::BeforeSend;
        m_link->readBeforeSend();
        if (!m_link->isTransferRunning() && m_fetchFor == FetchFor::BeforeSend) { // not started
            m_fetchFor = FetchFor::Comparison;
            m_unitSend.abandon();
        }
    };
    m_sendBridge.send = [this](const std::vector<std::string>& lines) {
        m_restoring = m_sendFor == SendFor::Restore;
        m_sendingSelected = m_sendFor == SendFor::Selected;
        if (m_restoring) // whatever it held of an export before, the unit takes the entry now
            m_session.unitOverwritten(m_link->journalUnit().toStdString());
        m_link->exportConfiguration(qtLines(lines), m_sendingSelected
                                                        ? LinkController::Send::Partial
                                                        : LinkController::Send::Whole);
        if (!m_link->isTransferRunning())
            m_restoring = m_sendingSelected = false;
    };
    m_sendBridge.answer = [this](const session::send::Finding& finding) {
        return answerFinding(finding);
    };
    m_unitSend.start(m_link->journalUnit(), std::move(outgoing), std::move(compose));
    updateCommands();
}

void MainWindow::readBeforeSend(const QString& text, const QString& incompleteReason,
                                bool cancelled)
{
    using Ending = session::send::UnitSend::Ending;
    const Ending ending = m_unitSend.readCame(text::toLatin1(text), incompleteReason, cancelled);
    if (ending == Ending::Cancelled) {
        setStatusText(tr(" Nothing was sent: cancelled while the unit's configuration came"));
        return;
    }
    if (m_sendFor != SendFor::Selected) {
        if (ending == Ending::Declined) // the read's status would still show
            setStatusText(tr(" Nothing was sent to %1").arg(m_link->journalUnit()));
        return;
    }
    if (ending == Ending::Nothing)
        m_prompts->showError(tr("Nothing of the checked rows can be sent: the configuration "
                                "being edited does not write them (a zone or source beyond its "
                                "counts, a setting its zone's EQ mode does not use)."));
    else if (ending == Ending::Declined && m_unitSend.stoppedBy())
        showSelectedStopped(*m_unitSend.stoppedBy());
}

bool MainWindow::answerFinding(const session::send::Finding& finding)
{
    using session::send::Check;
    const QString unit = m_link->journalUnit();
    switch (finding.check) {
    case Check::NotWholeEnough:
        return m_prompts->confirm(
            finding.items.isEmpty() ? questions::sendIncomplete(finding.reason)
                                    : questions::sendPartial(finding.items, finding.reason, false));
    case Check::UncarriedTexts:
        return m_prompts->confirm(questions::sendUncarriedTexts(finding.items));
    case Check::ReadNotWhole:
        if (finding.refusal)
            return false; // said once the send has stopped
        return m_prompts->confirm(questions::sendToUnknownModel(
            unit, tr("its configuration did not come whole (%1)").arg(finding.reason)));
    case Check::ModelUnknown:
        return !finding.refusal &&
               m_prompts->confirm(questions::sendToUnknownModel(unit, finding.reason));
    case Check::OtherModel:
        return m_prompts->confirm(
            questions::sendToOtherModel(finding.sentModel, finding.unitModel, unit));
    case Check::AnotherUnit:
        return m_prompts->confirm(session::identityQuestion(*finding.mismatch));
    case Check::UnitChanged:
        return false; // said once the send has stopped, with what differs now
    }
    return false;
}

bool MainWindow::confirmUncarriedTexts()
{
    const QStringList findings = m_session.uncarriedTexts();
    return findings.isEmpty() || m_prompts->confirm(questions::sendUncarriedTexts(findings));
}

bool MainWindow::confirmWholeEnough()
{
    const link::LinkMode mode = m_link->linkMode();
    switch (m_session.exportVerdict(mode)) {
    case session::ConfigurationSession::ExportVerdict::NothingToSend:
        m_prompts->showError(questions::kNothingToSend);
        return false;
    case session::ConfigurationSession::ExportVerdict::AskIfIncomplete: {
        const session::LoadedConfiguration& loaded = m_session.loaded();
        const QString reason = QString::fromStdString(loaded.incompleteReason());
        return m_prompts->confirm(loaded.missingParts().empty()
                                      ? questions::sendIncomplete(reason)
                                      : questions::sendPartial(qtStrings(loaded.missingParts()),
                                                               reason,
                                                               mode == link::LinkMode::File));
    }
    case session::ConfigurationSession::ExportVerdict::Send:
        break;
    }
    return true;
}

} // namespace zel::ui
