// Streaming through the port object from the simulated box in `fast` mode. The figure that
// matters is "x_box_rate": blocks per second as a multiple of the real box's 122 blocks/s.
#include "instrument/BoxProtocol.h"
#include "instrument/CSerialPort.h"
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/sim/SimulatedBox.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr double kBoxBlocksPerSecond = 31250.0 / box::kFramesPerBlock;  // 122.07

void BM_StreamBlocks(benchmark::State& state)
{
    const int nMask = static_cast<int>(state.range(0));
    int nChannels = 0;
    for (int i = 0; i < box::kMics; ++i)
        nChannels += (nMask >> i) & 1;

    std::string error;
    const d2xx::D2XX_API* pApi = d2xx::SimulatedBoxTable("fast", error);
    if (!pApi) {
        state.SkipWithError(error.c_str());
        return;
    }
    CSerialPort cmd(*pApi), data(*pApi);
    if (cmd.OpenByIndex(box::kCommandIndex, box::kBaudRate, box::kOpenUnused) != 0 ||
        data.OpenByIndex(box::kDataIndex, box::kBaudRate, box::kOpenUnused) != 0) {
        state.SkipWithError("Can't open communication ports");
        return;
    }
    cmd.EnableExceptions();
    data.EnableExceptions();
    box::StreamStart(cmd, data, false, nMask);

    const int nBytes = box::BlockBytes(nChannels);
    std::vector<std::uint16_t> block(static_cast<size_t>(nBytes) / 2);
    for (auto _ : state) {
        data.ReadBlock(block.data(), nBytes);
        box::SwapWords(block.data(), static_cast<int>(block.size()));
        benchmark::DoNotOptimize(block.data());
    }
    box::StreamStop(cmd, data);

    state.SetBytesProcessed(state.iterations() * nBytes);
    state.counters["blocks_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["x_box_rate"] =
        benchmark::Counter(static_cast<double>(state.iterations()) / kBoxBlocksPerSecond, benchmark::Counter::kIsRate);
    sim::Box().Reset(sim::SIMOPTIONS(), false);
}

BENCHMARK(BM_StreamBlocks)->Arg(63)->Arg(0b010010)->ArgName("mask")->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
