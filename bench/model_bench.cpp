// Reading and writing whole configurations, as an import and an export do.

#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/config_writer.h"
#include "model/model_reset.h"
#include "model/templates.h"

#include <benchmark/benchmark.h>

namespace zel::model {
namespace {

// Reset, then read `text`: the model side of an import.
void readIntoResetModel(benchmark::State& state, const std::string& text)
{
    ConfigModel model;
    for (auto _ : state) {
        resetModel(model);
        LogLines log;
        readText(model, text, log);
        benchmark::DoNotOptimize(log.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// The ZEL-16 template read into a reset model: the work of "New ZEL-16".
void readZel16Template(benchmark::State& state)
{
    readIntoResetModel(state, joinLines(templateLines(UnitSize::Zel16), "\r\n"));
}
BENCHMARK(readZel16Template);

// A ZEL-16 unit with every zone in ZQ mode, bands set, all favorites and groups in use.
ConfigModel filledZel16()
{
    ConfigModel model;
    resetModel(model);
    LogLines log;
    readText(model, joinLines(templateLines(UnitSize::Zel16), "\n"), log);
    for (int z = 1; z <= kMaxZones; ++z) {
        ZoneAudio& zone = model.zoneAudio(z);
        zone.eqMode = kEqModeZq;
        for (int b = 1; b <= kBands; ++b)
            zone.setBand(b, static_cast<int8_t>((z + b) % 21 - 10));
        for (int g = 1; g <= kGroups; ++g)
            model.setGroupMark(g, z, std::string(kGroupMark));
        for (int f = 1; f <= kFavorites; ++f)
            model.setConnection(f, (z + f) % kMaxSources + 1, z, std::string(kAudioCode));
    }
    return model;
}

void writeFilledZel16(benchmark::State& state)
{
    const ConfigModel model = filledZel16();
    std::size_t lineCount = 0;
    for (auto _ : state) {
        const std::vector<std::string> lines = writeConfiguration(model);
        lineCount = lines.size();
        benchmark::DoNotOptimize(lines.data());
    }
    state.counters["lines"] = static_cast<double>(lineCount);
}
BENCHMARK(writeFilledZel16);

// The written text of that unit read back into a reset model.
void readFilledZel16(benchmark::State& state)
{
    readIntoResetModel(state, joinLines(writeConfiguration(filledZel16()), "\r\n"));
}
BENCHMARK(readFilledZel16);

// One hostile line: a zone name of a megabyte.
void readMegabyteLine(benchmark::State& state)
{
    const std::string line = "[NO1\"" + std::string(1 << 20, 'N') + "\"]";
    ConfigModel model;
    for (auto _ : state) {
        LogLines log;
        readLine(model, line, log);
        benchmark::DoNotOptimize(log.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.size()));
}
BENCHMARK(readMegabyteLine)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zel::model
