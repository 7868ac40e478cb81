// Feeds arbitrary bytes through the reader as a configuration text, then through the writer, and
// checks what must hold for any input: counts stay within -1..16, every written line is empty or
// bracketed, and the written text, read into a fresh model and written again, comes out the same.

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

using namespace zel::model;

void fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

std::string readAndWrite(std::string_view text)
{
    ConfigModel model;
    resetModel(model);
    LogLines log;
    readText(model, text, log);
    if (model.zoneCount() < -1 || model.zoneCount() > kMaxZones)
        fail("zone count out of range");
    if (model.sourceCount() < -1 || model.sourceCount() > kMaxSources)
        fail("source count out of range");
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
    const std::string written = readAndWrite(input);
    if (readAndWrite(written) != written)
        fail("written text does not read back to the same text");
    return 0;
}
