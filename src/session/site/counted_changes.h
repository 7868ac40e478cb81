#pragma once
// The differences between two configurations that count as a change of the installation, in
// the words zeltool diff uses. Where the site says so, the zones' volumes do not count: a
// client turning a zone up has not changed what was installed. What is left out is still said,
// apart, so that nothing goes unnoticed.

#include <QStringList>

namespace zel::model {
class ConfigModel;
}

namespace zel::session {

struct CountedChanges {
    QStringList counted; // "Zone 3 EQ band 6 (1KHz): 0 -> 4"
    QStringList leftOut; // the volume differences, when volumes do not count
};

CountedChanges countedChanges(const model::ConfigModel& before, const model::ConfigModel& after,
                              bool ignoreVolume);

} // namespace zel::session
