#pragma once
// What changed between two configurations in plain words with names, as a client reads it:
// "Zone 4 Terrace renamed Lounge", "Favorite 1 Morning: Zone 1 Hall now plays Source 3 Radio",
// "Zone 7 Kitchen EQ: 125 Hz: 0 → +2 dB". Only what differs is said. Which settings changed is the
// comparison's answer (what the writer would write differently); these are its words.

#include <QStringList>

namespace zel::model {
class ConfigModel;
}

namespace zel::report {

// One sentence per changed setting, or per changed favorite or group; plain text, in the
// comparison's order (counts, panel, network, sources, zones, presets, favorites, groups).
QStringList changeSentences(const model::ConfigModel& before, const model::ConfigModel& after);

} // namespace zel::report
