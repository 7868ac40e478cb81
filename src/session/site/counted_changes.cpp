#include "session/site/counted_changes.h"

#include "model/config_diff.h"
#include "text/latin1_text.h"

namespace zel::session {

CountedChanges countedChanges(const model::ConfigModel& before, const model::ConfigModel& after,
                              bool ignoreVolume)
{
    CountedChanges changes;
    for (const model::Difference& difference : model::compareConfigurations(before, after)) {
        const QString words = text::fromLatin1(model::describe(difference));
        if (ignoreVolume && difference.command == model::Command::Volume)
            changes.leftOut << words;
        else
            changes.counted << words;
    }
    return changes;
}

} // namespace zel::session
