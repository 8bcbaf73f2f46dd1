// A 1500-second six-channel recording written the way the recording run writes it, against
// libsndfile writing the same frames in the same block size. "ratio" < 1 means we are faster.
#include "wavefile/CWaveFile.h"

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr WORD kChannels = 6;
constexpr DWORD kFramesPerBlock = 256;
constexpr DWORD kBlocks = 183104;  // 1500 s at 31250 frames/s, rounded down to even blocks
constexpr DWORD kBlockBytes = kChannels * kFramesPerBlock * 2;

// In /tmp unless VADEL_BENCH_DIR names another folder.
std::string ScratchPath(const char* pszName)
{
    const char* pszDir = std::getenv("VADEL_BENCH_DIR");
    return std::string(pszDir && *pszDir ? pszDir : "/tmp") + "/vadel-bench-" +
           std::to_string(::getpid()) + "-" + pszName + ".wav";
}

std::vector<std::int16_t> MakeBlock()
{
    std::vector<std::int16_t> block(kChannels * kFramesPerBlock);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::int16_t>(i * 977);
    return block;
}

void WriteWithWaveFile(const std::string& strPath, const std::vector<std::int16_t>& block)
{
    CWaveFile wave;
    if (!wave.Open(strPath))
        throw std::runtime_error("cannot create " + strPath);
    wave.SetFormat(kChannels, 31250, 16, kBlocks * kFramesPerBlock);
    wave.WriteHeader();
    wave.SeekData(0);
    for (DWORD b = 0; b < kBlocks; ++b)
        wave.Write(block.data(), kBlockBytes);
    static const char* const kNames[6] = {"Mic1", "Mic2", "Mic3", "Mic4", "Mic5", "Mic6"};
    const char zero = 0;
    for (const char* pszName : kNames) {
        wave.Write(pszName, 4);
        wave.Write(&zero, 1);
    }
    wave.SetFormat(kChannels, 31250, 16, kBlocks * kFramesPerBlock);
    wave.WriteHeader();
    wave.Close();
}

void WriteWithSndfile(const std::string& strPath, const std::vector<std::int16_t>& block)
{
    SF_INFO info{};
    info.samplerate = 31250;
    info.channels = kChannels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(strPath.c_str(), SFM_WRITE, &info);
    if (!file)
        throw std::runtime_error(sf_strerror(nullptr));
    for (DWORD b = 0; b < kBlocks; ++b)
        sf_writef_short(file, block.data(), kFramesPerBlock);
    sf_close(file);
}

template <class F>
double Seconds(F&& f)
{
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void BM_WaveFileWrite(benchmark::State& state)
{
    const auto block = MakeBlock();
    const std::string strPath = ScratchPath("wavefile");
    for (auto _ : state) {
        WriteWithWaveFile(strPath, block);
        state.PauseTiming();
        std::remove(strPath.c_str());
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * kBlocks * kBlockBytes);
}

void BM_SndfileWrite(benchmark::State& state)
{
    const auto block = MakeBlock();
    const std::string strPath = ScratchPath("sndfile");
    for (auto _ : state) {
        WriteWithSndfile(strPath, block);
        state.PauseTiming();
        std::remove(strPath.c_str());
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * kBlocks * kBlockBytes);
}

// Both writers in turn within each iteration, taking turns at going first, so the
// write-back of the previous file and drifts of the disk hit them alike.
void BM_WaveFileToSndfileRatio(benchmark::State& state)
{
    const auto block = MakeBlock();
    const std::string strWave = ScratchPath("pair-wavefile");
    const std::string strSnd = ScratchPath("pair-sndfile");
    double dWave = 0, dSnd = 0;
    bool bWaveFirst = true;
    for (auto _ : state) {
        if (bWaveFirst)
            dWave += Seconds([&] { WriteWithWaveFile(strWave, block); });
        dSnd += Seconds([&] { WriteWithSndfile(strSnd, block); });
        if (!bWaveFirst)
            dWave += Seconds([&] { WriteWithWaveFile(strWave, block); });
        bWaveFirst = !bWaveFirst;
        std::remove(strWave.c_str());
        std::remove(strSnd.c_str());
    }
    state.counters["wavefile_s"] = dWave / double(state.iterations());
    state.counters["sndfile_s"] = dSnd / double(state.iterations());
    state.counters["ratio"] = dSnd > 0 ? dWave / dSnd : 0;
}

}  // namespace

BENCHMARK(BM_WaveFileWrite)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_SndfileWrite)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_WaveFileToSndfileRatio)->Unit(benchmark::kMillisecond)->Iterations(6)->UseRealTime();

BENCHMARK_MAIN();
