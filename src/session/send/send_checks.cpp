#include "session/send/send_checks.h"

#include "model/carried_text.h"
#include "model/config_reader.h"
#include "model/model_reset.h"
#include "model/unit_model.h"
#include "model/whole_configuration.h"
#include "text/latin1_text.h"

#include <QCoreApplication>

namespace zel::session::send {

namespace {

Finding findingOf(Check check, bool refusal, QStringList items = {}, QString reason = {})
{
    Finding finding;
    finding.check = check;
    finding.refusal = refusal;
    finding.items = std::move(items);
    finding.reason = std::move(reason);
    return finding;
}

QString modelName(const model::UnitModel& unit)
{
    return QString::fromStdString(model::unitModelName(unit));
}

// The unit's side, when the read tells too little of it to go on.
std::optional<Finding> unknownUnit(const Outgoing& outgoing, const UnitRead& read)
{
    if (!read.whole())
        return findingOf(Check::ReadNotWhole, outgoing.needsWholeRead, {}, read.incompleteReason);
    if (outgoing.needsWholeRead && !read.missingParts.empty())
        return findingOf(Check::ReadNotWhole, true, text::fromLatin1(read.missingParts),
                         QCoreApplication::translate("Send", "it did not set %1")
                             .arg(text::fromLatin1(model::joinParts(read.missingParts))));
    if (model::unitModelOf(outgoing.configuration) && !model::unitModelOf(read.unit))
        return findingOf(
            Check::ModelUnknown, outgoing.needsWholeRead, {},
            QCoreApplication::translate("Send", "its configuration names no zones or sources"));
    return std::nullopt;
}

} // namespace

UnitRead UnitRead::of(const std::string& text, const QString& incompleteReason)
{
    UnitRead read;
    read.text = text;
    read.incompleteReason = incompleteReason;
    model::resetModel(read.unit);
    model::LogLines log;
    const model::ReadSummary summary = model::readText(read.unit, text, log);
    // A dump that ended without one configuration line is no read of a unit (a device that only
    // echoes): it tells neither the model nor the identity.
    if (read.incompleteReason.isEmpty() && summary.settingLines == 0)
        read.incompleteReason = QCoreApplication::translate("Send", "no configuration line came");
    model::markUnavailableGroups(read.unit);
    read.missingParts = model::missingFromWhole(read.unit, summary.coverage);
    return read;
}

std::vector<Finding> findings(const Outgoing& outgoing, const UnitRead& read, const QString& unit,
                              const QString& directoryPath)
{
    std::vector<Finding> found;
    if (!outgoing.missingParts.empty() || !outgoing.cutReason.isEmpty())
        found.push_back(findingOf(Check::NotWholeEnough, false,
                                  text::fromLatin1(outgoing.missingParts), outgoing.cutReason));
    QStringList uncarried;
    for (const model::UncarriedText& text : model::uncarriedTexts(outgoing.configuration))
        uncarried << text::fromLatin1(model::describeUncarried(text));
    if (!uncarried.isEmpty())
        found.push_back(findingOf(Check::UncarriedTexts, false, uncarried));
    if (const std::optional<Finding> unknown = unknownUnit(outgoing, read)) {
        // Neither the model nor the identity can be told from what came.
        found.push_back(*unknown);
        return found;
    }
    const std::optional<model::UnitModel> sent = model::unitModelOf(outgoing.configuration);
    const std::optional<model::UnitModel> held = model::unitModelOf(read.unit);
    if (model::otherModels(sent, held)) {
        Finding other = findingOf(Check::OtherModel, false);
        other.sentModel = modelName(*sent);
        other.unitModel = modelName(*held);
        found.push_back(other);
    }
    if (std::optional<IdentityMismatch> mismatch =
            identityMismatchWithRead(outgoing.configuration, outgoing.edited, unit,
                                     fingerprintOf(read.unit), directoryPath)) {
        Finding another = findingOf(Check::AnotherUnit, false);
        another.mismatch = std::move(mismatch);
        found.push_back(another);
    }
    if (outgoing.compared) {
        std::vector<model::Difference> changes =
            model::compareConfigurations(*outgoing.compared, read.unit);
        if (!changes.empty()) {
            Finding changed = findingOf(Check::UnitChanged, true);
            changed.changes = std::move(changes);
            found.push_back(changed);
        }
    }
    return found;
}

} // namespace zel::session::send
