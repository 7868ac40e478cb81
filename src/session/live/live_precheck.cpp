#include "session/live/live_precheck.h"

#include "session/configuration/configuration_session.h"

namespace zel::session {

QString whyNotLive(const ConfigurationSession& config, const LiveCircumstances& circumstances)
{
    if (circumstances.mode != link::LinkMode::Serial &&
        circumstances.mode != link::LinkMode::Telnet)
        return QObject::tr("Live mode sends every edit to a unit as it is made: choose \"Serial "
                           "Mode\" or \"Telnet Mode\" in the \"File\" menu first.");
    if (circumstances.transferRunning)
        return QObject::tr("A transfer is running: go live once it has ended.");
    const LoadedConfiguration& loaded = config.loaded();
    if (!loaded.isLoaded() || loaded.holdsNothingRead())
        return QObject::tr("There is no configuration to go live with: import the unit's "
                           "configuration first.");
    if (loaded.isIncomplete())
        return QObject::tr("The configuration being edited did not come whole from the unit (%1): "
                           "live mode would send blocks into a configuration that is not "
                           "known. Import it again, whole, first.")
            .arg(QString::fromStdString(loaded.incompleteReason()));
    return {};
}

} // namespace zel::session
