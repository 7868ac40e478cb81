// Feeds arbitrary bytes through the reader as a configuration text, then through the writer, and
// checks what must hold for any input: counts stay within -1..16, every written line is empty or
// bracketed, and the written text, read into a fresh model and written again, comes out the same.
// Two cases cannot come out the same, and for them the second written text must still be a fixed
// point: a zone with known audio but a negative EQ mode is written with its volume lines and no
// EQ-mode line, so read back it has no known audio; and an address text holding "[" (cut at a
// 0xFF byte, say) can end in an unfinished command that the line's closing "]" completes, so the
// address line reads back as that command.

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace zel::model;

void fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

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

std::string readAndWrite(std::string_view text, bool* notAlike = nullptr)
{
    ConfigModel model;
    resetModel(model);
    LogLines log;
    readText(model, text, log);
    if (model.zoneCount() < -1 || model.zoneCount() > kMaxZones)
        fail("zone count out of range");
    if (model.sourceCount() < -1 || model.sourceCount() > kMaxSources)
        fail("source count out of range");
    if (notAlike)
        *notAlike = cannotReadBackAlike(model);
    const auto lines = writeConfiguration(model);
    for (const auto& line : lines) {
        if (!line.empty() && (line.front() != '[' || line.back() != ']'))
            fail("written line neither empty nor bracketed");
        if (line.find_first_of("\r\n") != std::string::npos)
            fail("written line holds a line break");
    }
    return joinLines(lines, "\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    bool notAlike = false;
    const std::string written = readAndWrite(input, &notAlike);
    const std::string again = readAndWrite(written);
    if (again != written && !notAlike)
        fail("written text does not read back to the same text");
    if (readAndWrite(again) != again)
        fail("written text is not a fixed point of reading and writing");
    return 0;
}
