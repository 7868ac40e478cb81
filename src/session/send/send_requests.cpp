#include "session/send/send_requests.h"

#include "model/changed_lines.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/selected_lines.h"
#include "model/whole_configuration.h"
#include "session/configuration/configuration_session.h"
#include "session/send/compared_unit.h"
#include "text/latin1_text.h"

#include <QCoreApplication>

#include <utility>

namespace zel::session::send {

Outgoing editedOutgoing(const ConfigurationSession& edited, link::LinkMode mode)
{
    Outgoing outgoing;
    outgoing.configuration = edited.model();
    outgoing.edited = true;
    if (edited.exportVerdict(mode) == ConfigurationSession::ExportVerdict::AskIfIncomplete) {
        const LoadedConfiguration& loaded = edited.loaded();
        outgoing.missingParts = loaded.missingParts();
        outgoing.cutReason = QString::fromStdString(loaded.incompleteReason());
        if (outgoing.missingParts.empty() && outgoing.cutReason.isEmpty())
            outgoing.cutReason = QCoreApplication::translate("Send", "it was not read whole");
    }
    return outgoing;
}

SendRequest exportRequest(const ConfigurationSession& edited, link::LinkMode mode,
                          std::vector<std::string> lines)
{
    return {editedOutgoing(edited, mode),
            [lines = std::move(lines)](const model::ConfigModel&) { return lines; }};
}

std::optional<SendRequest> restoreRequest(const journal::Entry& entry, const std::string& text)
{
    // A configuration sent is whole however far it got; one fetched may not be.
    return restoreRequest(text, entry.direction == journal::Direction::FromUnit && !entry.whole
                                    ? entry.ending
                                    : QString());
}

std::optional<SendRequest> restoreRequest(const std::string& text, const QString& cutReason)
{
    model::ConfigModel restored;
    model::resetModel(restored);
    model::LogLines log;
    const model::ReadSummary read = model::readText(restored, text, log);
    if (read.settingLines == 0)
        return std::nullopt;
    model::markUnavailableGroups(restored);
    Outgoing outgoing;
    outgoing.configuration = restored;
    outgoing.edited = false;
    // It may not have set all a whole configuration sets.
    outgoing.cutReason = cutReason;
    outgoing.missingParts = model::missingFromWhole(restored, read.coverage);
    return SendRequest{std::move(outgoing), [lines = model::writeConfiguration(restored)](
                                                const model::ConfigModel&) { return lines; }};
}

SelectedCheck checkSelected(const ComparedUnit& compared, const QString& linkUnit,
                            const std::vector<model::Difference>& chosen,
                            const ConfigurationSession& edited, link::LinkMode mode)
{
    QString unknown = compared.incompleteReason();
    if (unknown.isEmpty() && !compared.missingParts().empty())
        unknown = QCoreApplication::translate("Send", "it did not set %1")
                      .arg(text::fromLatin1(model::joinParts(compared.missingParts())));
    if (!unknown.isEmpty())
        return {SelectedRefusal::UnitNotKnown, unknown};
    if (linkUnit != compared.unit())
        return {SelectedRefusal::LinkChanged, {}};
    if (model::blocksOf(chosen).empty())
        return {SelectedRefusal::NothingChecked, {}};
    if (edited.exportVerdict(mode) == ConfigurationSession::ExportVerdict::NothingToSend)
        return {SelectedRefusal::NothingToSend, {}};
    return {};
}

SendRequest selectedRequest(const ConfigurationSession& edited, link::LinkMode mode,
                            const ComparedUnit& compared,
                            const std::vector<model::Difference>& chosen)
{
    Outgoing outgoing = editedOutgoing(edited, mode);
    outgoing.needsWholeRead = true;
    outgoing.compared = compared.model();
    // The rows go with the values they had when they were chosen, which the checks saw.
    return {std::move(outgoing),
            [configuration = edited.model(), chosen](const model::ConfigModel& unitNow) {
                std::vector<std::string> lines =
                    model::selectedLines(unitNow, configuration, chosen);
                if (lines.size() == 1) // the end line alone
                    lines.clear();
                return lines;
            }};
}

} // namespace zel::session::send
