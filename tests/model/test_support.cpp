#include "model/test_support.h"

#include "model/model_reset.h"

#include <sstream>

namespace zel::model::test {

ConfigModel resetModelCopy()
{
    ConfigModel model;
    resetModel(model);
    return model;
}

LogLines readLines(ConfigModel& model, const std::vector<std::string>& lines)
{
    LogLines log;
    for (const std::string& line : lines)
        readLine(model, line, log);
    return log;
}

namespace {

class DifferenceList {
public:
    template <typename T> void check(const std::string& what, const T& expected, const T& actual)
    {
        if (!(expected == actual))
            m_out << "\n  " << what << " differs";
    }
    std::string text() const { return m_out.str(); }

private:
    std::ostringstream m_out;
};

} // namespace

::testing::AssertionResult sameModel(const ConfigModel& expected, const ConfigModel& actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();
    DifferenceList d;
    d.check("zone count", expected.zoneCount(), actual.zoneCount());
    d.check("source count", expected.sourceCount(), actual.sourceCount());
    for (int z = 1; z <= kMaxZones; ++z) {
        const std::string zone = "zone " + std::to_string(z);
        const ZoneAudio& e = expected.zoneAudio(z);
        const ZoneAudio& a = actual.zoneAudio(z);
        d.check(zone + " audio-known", e.audioKnown, a.audioKnown);
        d.check(zone + " bands", e.bands, a.bands);
        d.check(zone + " bass", e.bass, a.bass);
        d.check(zone + " treble", e.treble, a.treble);
        d.check(zone + " volume", e.volume, a.volume);
        d.check(zone + " balance", e.balance, a.balance);
        d.check(zone + " EQ mode", e.eqMode, a.eqMode);
        d.check(zone + " system EQ preset", e.systemEqPreset, a.systemEqPreset);
        d.check(zone + " lowpass", e.lowpass, a.lowpass);
        d.check(zone + " volume lock", e.volumeLocked, a.volumeLocked);
        d.check(zone + " name", expected.zoneName(z), actual.zoneName(z));
        d.check("source " + std::to_string(z) + " name", expected.sourceName(z),
                actual.sourceName(z));
    }
    for (int n = 1; n <= kPresets; ++n) {
        const std::string number = std::to_string(n);
        d.check("preset " + number, expected.preset(n), actual.preset(n));
        d.check("favorite " + number + " name", expected.favoriteName(n), actual.favoriteName(n));
        d.check("group " + number + " name", expected.groupName(n), actual.groupName(n));
        for (int z = 1; z <= kMaxZones; ++z) {
            d.check("group " + number + " zone " + std::to_string(z), expected.groupMark(n, z),
                    actual.groupMark(n, z));
            for (int s = 1; s <= kMaxSources; ++s)
                d.check("favorite " + number + " source " + std::to_string(s) + " zone " +
                            std::to_string(z),
                        expected.connection(n, s, z), actual.connection(n, s, z));
        }
    }
    d.check("network", expected.network(), actual.network());
    d.check("front-panel lock", expected.frontPanelLocked(), actual.frontPanelLocked());
    d.check("IR lockout", expected.irLockout(), actual.irLockout());
    d.check("display level", expected.displayLevel(), actual.displayLevel());
    return ::testing::AssertionFailure() << "models differ:" << d.text();
}

} // namespace zel::model::test
