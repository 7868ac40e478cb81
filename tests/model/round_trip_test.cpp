// Read -> write -> read: everything the writer writes comes back, apart from the three
// differences of the language (balance 0 as a right value, no volume for a locked zone, a blank
// for an empty name).

#include "model/config_writer.h"
#include "model/test_support.h"

#include <random>

namespace zel::model {
namespace {

using test::readLines;
using test::resetModelCopy;
using test::sameModel;

class ConfigurationGenerator {
public:
    explicit ConfigurationGenerator(unsigned seed) : m_random(seed) {}

    // A configuration whose every value is one the writer writes back.
    std::vector<std::string> make()
    {
        const int zones = between(1, kMaxZones);
        const int sources = between(1, kMaxSources);
        add("[SD" + number(0, 3) + "]");
        add("[FPL" + pick({"0", "1", "01"}) + "]");
        add("[IRL" + pick({"0", "1", "2"}) + "]");
        const bool dhcp = between(0, 1) == 1;
        add(std::string("[DHCP") + (dhcp ? "1" : "0") + "]");
        if (!dhcp) {
            add("[IP" + word(1, 20) + "]");
            add("[NM" + word(1, 20) + "]");
            add("[GW" + word(1, 20) + "]");
        }
        for (int p = 1; p <= kPresets; ++p) {
            add("[NEP" + std::to_string(p) + "\"" + word(0, 30) + "\"]");
            for (int b = 1; b <= kBands; ++b)
                if (between(0, 2) > 0)
                    add("[EP" + std::to_string(p) + "B" + std::to_string(b) + "L" +
                        number(-300, 300) + "]");
        }
        for (int s = 1; s <= sources; ++s)
            add("[NI" + std::to_string(s) + "\"" + word(0, 20) + "\"]");
        for (int z = 1; z <= zones; ++z)
            addZone(z);
        for (int n = 1; n <= kFavorites; ++n) {
            add("[NF" + std::to_string(n) + "\"" + word(0, 20) + "\"]");
            add("[NG" + std::to_string(n) + "\"" + word(0, 20) + "\"]");
            for (int i = between(0, 4); i > 0; --i)
                add("[G" + std::to_string(n) + "AO" + number(1, zones) + "]");
            for (int i = between(0, 6); i > 0; --i)
                add("[F" + std::to_string(n) + "AO" + number(1, zones) + "I" + number(1, sources) +
                    "]");
        }
        std::shuffle(m_lines.begin(), m_lines.end(), m_random); // lines are independent
        return std::move(m_lines);
    }

private:
    void addZone(int z)
    {
        const std::string zone = std::to_string(z);
        add("[NO" + zone + "\"" + word(0, 20) + "\"]");
        if (between(0, 3) == 0)
            return; // no audio lines at all
        const int mode = between(0, 6);
        add("[EO" + zone + "M" + std::to_string(mode) + "]");
        add("[VO" + zone + "F" + pick({"0", "1", "01"}) + "]");
        add("[VO" + zone + "R" + number(-300, 300) + "]");
        add("[BO" + zone + pick({"L", "R"}) + number(-300, 300) + "]");
        if (mode == kEqModeZq)
            for (int b = 1; b <= kBands; ++b)
                add("[EO" + zone + "B" + std::to_string(b) + "L" + number(-300, 300) + "]");
        if (mode == kEqModePreset)
            add("[EO" + zone + "P" + number(0, 127) + "]");
        if (mode == kEqModeTone)
            add("[TO" + zone + "B" + number(-300, 300) + "T" + number(-300, 300) + "]");
        if (mode == kEqModeLowpass && between(0, 3) > 0)
            add("[EO" + zone + "LP" + number(0, INT32_MAX) + "]");
    }

    int between(int low, int high)
    {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }
    std::string number(int low, int high) { return std::to_string(between(low, high)); }
    std::string pick(std::initializer_list<const char*> texts)
    {
        return *(texts.begin() + between(0, static_cast<int>(texts.size()) - 1));
    }
    // Any byte but CR, LF, 0xFF and "[" (which could start a command inside a name).
    std::string word(int shortest, int longest)
    {
        std::string text(static_cast<std::size_t>(between(shortest, longest)), ' ');
        for (char& c : text) {
            do
                c = static_cast<char>(between(1, 254));
            while (c == '\r' || c == '\n' || c == '[');
        }
        return text;
    }
    void add(std::string line) { m_lines.push_back(std::move(line)); }

    std::mt19937 m_random;
    std::vector<std::string> m_lines;
};

// What a read of the written text gives for `model`.
ConfigModel afterWriteAndRead(const ConfigModel& model)
{
    ConfigModel expected = model;
    const auto blankIfEmpty = [](const std::string& name) { return name.empty() ? " " : name; };
    for (int z = 1; z <= model.zoneCount(); ++z) {
        expected.setZoneName(z, blankIfEmpty(model.zoneName(z)));
        if (model.zoneAudio(z).volumeLocked)
            expected.zoneAudio(z).volume = 0;
    }
    for (int s = 1; s <= model.sourceCount(); ++s)
        expected.setSourceName(s, blankIfEmpty(model.sourceName(s)));
    for (int n = 1; n <= kFavorites; ++n) {
        expected.setFavoriteName(n, blankIfEmpty(model.favoriteName(n)));
        expected.setGroupName(n, blankIfEmpty(model.groupName(n)));
    }
    return expected;
}

TEST(RoundTrip, WrittenValuesReadBackUnchanged)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        ConfigModel first = resetModelCopy();
        const LogLines firstLog = readLines(first, ConfigurationGenerator(seed).make());
        ASSERT_EQ(std::count_if(firstLog.begin(), firstLog.end(),
                                [](const std::string& l) { return l.rfind("Didn't", 0) == 0; }),
                  0);

        const std::vector<std::string> written = writeConfiguration(first);
        ConfigModel second = resetModelCopy();
        LogLines secondLog;
        readText(second, joinLines(written, "\r\n"), secondLog);
        EXPECT_EQ(std::count_if(secondLog.begin(), secondLog.end(),
                                [](const std::string& l) { return l.rfind("Didn't", 0) == 0; }),
                  3)
            << "[GAR], [FAR] and [EC] only";
        EXPECT_TRUE(sameModel(afterWriteAndRead(first), second));
        EXPECT_EQ(writeConfiguration(second), written);
    }
}

TEST(RoundTrip, TheThreeDifferencesOfTheLanguage)
{
    ConfigModel first = resetModelCopy();
    readLines(first, {"[NO1\"\"]", "[EO1M0]", "[VO1F1]", "[VO1R-30]", "[BO1L0]", "[NI1\"\"]"});
    const std::vector<std::string> written = writeConfiguration(first);
    ConfigModel second = resetModelCopy();
    readLines(second, written);

    EXPECT_NE(std::find(written.begin(), written.end(), "[BO1R0]"), written.end());
    EXPECT_EQ(std::find(written.begin(), written.end(), "[VO1R-30]"), written.end());
    EXPECT_EQ(first.zoneAudio(1).volume, -30);
    EXPECT_EQ(second.zoneAudio(1).volume, 0);
    EXPECT_EQ(first.zoneName(1), "");
    EXPECT_EQ(second.zoneName(1), " ");
    EXPECT_EQ(second.sourceName(1), " ");
    EXPECT_EQ(second.favoriteName(10), " ");
    EXPECT_EQ(second.zoneAudio(1).balance, 0);
}

} // namespace
} // namespace zel::model
