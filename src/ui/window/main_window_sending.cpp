// The main window's guards on everything it sends a unit: a configuration that holds nothing
// read is refused; one that did not come whole, or whose text did not set all a whole one sets,
// goes only after a question that names what is missing; one of another model than the unit's
// (known from this run's last whole fetch from it, else fetched first) only after a question
// that names both.
#include "ui/window/main_window.h"

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/model_reset.h"
#include "text/latin1_text.h"
#include "ui/common/user_prompts.h"
#include "ui/window/link_controller.h"
#include "ui/window/text_box_loading.h"
#include "ui/window/unit_identity_question.h"
#include "ui/window/window_questions.h"

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

QString modelName(const model::UnitModel& unit)
{
    return QString::fromStdString(model::unitModelName(unit));
}

} // namespace

bool MainWindow::unitWorkPending() const
{
    return m_link->isTransferRunning() || m_nextStep;
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
    if (unitBusy() || !m_session.loaded().isLoaded() || !confirmWholeEnough())
        return;
    commitAndRefresh();
    if (!confirmUncarriedTexts() ||
        !confirmSameUnit(*m_prompts, m_session.model(), true, m_link->journalUnit()))
        return;
    // What is edited now is what goes, even when the unit's model is to be fetched first.
    setLines(m_logTextBox, m_session.exportLines());
    const QStringList lines = storedText(m_logTextBox).split(QLatin1Char('\n'));
    const link::LinkMode mode = m_link->linkMode();
    if (mode != link::LinkMode::Serial && mode != link::LinkMode::Telnet) {
        m_link->exportConfiguration(lines);
        return;
    }
    whenModelAgrees(model::unitModelOf(m_session.model()),
                    [this, lines] { m_link->exportConfiguration(lines); });
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

void MainWindow::whenModelAgrees(std::optional<model::UnitModel> sent, std::function<void()> send)
{
    const QString unit = m_link->journalUnit();
    // A configuration that names no zones or sources has no model to compare; over a serial
    // port that is not open nothing can be fetched, and the export says so itself.
    if (!sent ||
        (m_link->linkMode() == link::LinkMode::Serial && !m_link->serialEndpoint().isOpen())) {
        send();
        return;
    }
    if (const auto known = m_unitModels.constFind(unit); known != m_unitModels.constEnd()) {
        if (!model::otherModels(sent, *known) || m_prompts->confirm(questions::sendToOtherModel(
                                                     modelName(*sent), modelName(*known), unit)))
            send();
        return;
    }
    m_modelToSend = sent;
    m_sendAfterModel = std::move(send);
    m_fetchFor = FetchFor::ModelOfUnit;
    setStatusText(
        tr(" Fetching the configuration of %1 first, to see which model it is").arg(unit));
    m_link->fetchForComparison();
    if (!m_link->isTransferRunning() && m_fetchFor == FetchFor::ModelOfUnit) { // not started
        m_fetchFor = FetchFor::Comparison;
        m_sendAfterModel = nullptr;
    }
}

void MainWindow::modelFetched(const QString* text, const QString& incompleteReason, bool cancelled)
{
    std::function<void()> send = std::exchange(m_sendAfterModel, nullptr);
    if (!send)
        return;
    if (cancelled) {
        setStatusText(tr(" Nothing was sent: cancelled while the unit's configuration came"));
        return;
    }
    const QString unit = m_link->journalUnit();
    QString unknown = tr("its configuration did not come whole (%1)").arg(incompleteReason);
    if (text && incompleteReason.isEmpty()) {
        learnModel(*text);
        if (m_unitModels.contains(unit)) {
            afterThisTransfer([this, send] { whenModelAgrees(m_modelToSend, send); });
            return;
        }
        unknown = tr("its configuration names no zones or sources");
    }
    afterThisTransfer([this, send, unit, unknown] {
        if (m_prompts->confirm(questions::sendToUnknownModel(unit, unknown)))
            send();
    });
}

void MainWindow::learnModel(const QString& text)
{
    model::ConfigModel fetched;
    model::resetModel(fetched);
    model::LogLines log;
    model::readText(fetched, text::toLatin1(text), log);
    if (const std::optional<model::UnitModel> unit = model::unitModelOf(fetched))
        m_unitModels.insert(m_link->journalUnit(), *unit);
}

} // namespace zel::ui
