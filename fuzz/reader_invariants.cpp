// Two cases cannot read back alike, and for them the second written text must still be a fixed
// point: a zone with known audio but a negative EQ mode is written with its volume lines and no
// EQ-mode line, so read back it has no known audio; and an address text holding "[" (cut at a
// 0xFF byte, say) can end in an unfinished command that the line's closing "]" completes, so the
// address line reads back as that command.

#include "reader_invariants.h"

#include "model/config_check.h"
#include "model/config_diff.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"

namespace zel::fuzz {

namespace {

using namespace zel::model;

bool cannotReadBackAlike(const ConfigModel& model)
{
    for (int z = 1; z <= model.zoneCount(); ++z)
        if (model.zoneAudio(z).audioKnown && model.zoneAudio(z).eqMode < 0)
            return true;
    const auto& net = model.network();
    const auto holdsBracket = [](const std::string& text) {
        return text.find('[') != std::string::npos;
    };
    return !net.dhcp &&
           (holdsBracket(net.ipAddress) || holdsBracket(net.netmask) || holdsBracket(net.gateway));
}

struct Written {
    ConfigModel model;
    std::string text;
    std::string broken; // the invariant that broke, if any
    bool notAlike = false;
};

Written readAndWrite(std::string_view text)
{
    Written result;
    ConfigModel& model = result.model;
    resetModel(model);
    LogLines log;
    readText(model, text, log);
    if (model.zoneCount() < -1 || model.zoneCount() > kMaxZones) {
        result.broken = "zone count out of range";
        return result;
    }
    if (model.sourceCount() < -1 || model.sourceCount() > kMaxSources) {
        result.broken = "source count out of range";
        return result;
    }
    result.notAlike = cannotReadBackAlike(model);
    const auto lines = writeConfiguration(model);
    for (const auto& line : lines) {
        if (!line.empty() && (line.front() != '[' || line.back() != ']')) {
            result.broken = "written line neither empty nor bracketed";
            return result;
        }
        if (line.find_first_of("\r\n") != std::string::npos) {
            result.broken = "written line holds a line break";
            return result;
        }
    }
    result.text = joinLines(lines, "\r\n");
    return result;
}

// The check of `text`: every finding names one of its lines, in line order.
std::string checkFindings(std::string_view text)
{
    const std::vector<CheckFinding> findings = checkConfiguration(text);
    const int lineCount = static_cast<int>(splitLines(text).size());
    int previous = 1;
    for (const CheckFinding& finding : findings) {
        if (finding.line < previous || finding.line > lineCount)
            return "check finding on line " + std::to_string(finding.line) + " of " +
                   std::to_string(lineCount) + ", after line " + std::to_string(previous);
        previous = finding.line;
    }
    return {};
}

} // namespace

std::string checkReaderInvariants(std::string_view input)
{
    if (const std::string broken = checkFindings(input); !broken.empty())
        return broken;
    const Written first = readAndWrite(input);
    if (!first.broken.empty())
        return first.broken;
    if (const std::string broken = checkFindings(first.text); !broken.empty())
        return broken + " (in the written text)";
    const Written again = readAndWrite(first.text);
    if (!again.broken.empty())
        return again.broken + " (in the written text)";
    if (again.text != first.text && !first.notAlike)
        return "written text does not read back to the same text";
    // The diff compares what the writer writes: the same text, no differences.
    const std::vector<std::string> differences = diffConfigurations(first.model, again.model);
    if (again.text == first.text && !differences.empty())
        return "a configuration and its export read back differ: " + differences.front();
    const Written third = readAndWrite(again.text);
    if (!third.broken.empty())
        return third.broken + " (in the text written twice)";
    if (third.text != again.text)
        return "written text is not a fixed point of reading and writing";
    return {};
}

} // namespace zel::fuzz
