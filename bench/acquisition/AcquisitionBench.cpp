// Recording runs against the simulated box, driven as the window drives them.
#include "acquisition/CAcquisition.h"
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/sim/SimulatedBox.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <sys/resource.h>
#include <thread>

namespace {

struct CNullHost : IAcquisitionHost {
    bool UpdateData(bool) override { return true; }
    void MessageBox(const QString& strText) override { m_nMessages++, m_strLast = strText; }
    void EnableControl(int, bool) override {}
    void SetControlText(int, const QString&) override {}
    void SetProgressRange(int, int nUpper) override { m_nUpper = nUpper; }
    void SetProgressPos(int) override {}
    int GetProgressUpper() override { return m_nUpper; }
    void DrawProgressText(const QString&) override {}
    void Invalidate() override {}
    int m_nUpper = 0;
    int m_nMessages = 0;
    QString m_strLast;
};

bool SelectBox(benchmark::State& state, const char* pszOptions)
{
    std::string error;
    if (!d2xx::D2xxSelect(std::string(pszOptions), error)) {
        state.SkipWithError(error.c_str());
        return false;
    }
    return true;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The longest run with all six microphones, the box as fast as the reader.
void BM_FastRecording(benchmark::State& state)
{
    if (!SelectBox(state, "fast"))
        return;
    QTemporaryDir dir;
    const int nTime = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CNullHost host;
        CAcquisition acq(host);
        acq.m_nTime = nTime;
        acq.m_strOutputFile = dir.filePath("fast.wav");
        const auto t0 = std::chrono::steady_clock::now();
        acq.OnStart();
        acq.WaitForRunEnd(600'000);
        acq.OnTimer();
        const double dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.SetIterationTime(dSeconds);
        state.counters["x_real_time"] = nTime / dSeconds;
        if (host.m_nMessages)
            state.SkipWithError(host.m_strLast.toStdString().c_str());
    }
}
BENCHMARK(BM_FastRecording)->Arg(1500)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// A paced run as long as the box really takes: processor time of the whole process,
// simulated box included, per second recorded.
void BM_PacedRecordingLoad(benchmark::State& state)
{
    if (!SelectBox(state, ""))
        return;
    QTemporaryDir dir;
    const int nTime = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CNullHost host;
        CAcquisition acq(host);
        acq.m_nTime = nTime;
        acq.m_strOutputFile = dir.filePath("paced.wav");
        const double dCpu0 = CpuSeconds();
        acq.OnStart();
        // The form's 200 ms timer runs meanwhile, as in the window.
        while (!acq.WaitForRunEnd(200))
            acq.OnTimer();
        acq.OnTimer();
        const double dCpu = CpuSeconds() - dCpu0;
        state.SetIterationTime(dCpu);
        state.counters["cpu_percent_of_one_core"] = 100.0 * dCpu / nTime;
    }
}
BENCHMARK(BM_PacedRecordingLoad)->Arg(20)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// From "Stop" to the file closed, in a paced six-channel run.
void BM_StopToFileClosed(benchmark::State& state)
{
    if (!SelectBox(state, ""))
        return;
    QTemporaryDir dir;
    for (auto _ : state) {
        CNullHost host;
        CAcquisition acq(host);
        acq.m_nTime = 60;
        acq.m_strOutputFile = dir.filePath("stop.wav");
        std::atomic<bool> bStreaming{false};
        acq.SetBlockObserver([&](int nBlock) {
            if (nBlock == 20)
                bStreaming = true;
        });
        acq.OnStart();
        while (!bStreaming)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const auto t0 = std::chrono::steady_clock::now();
        acq.OnStop();
        acq.WaitForRunEnd(10'000);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        acq.OnTimer();
    }
}
BENCHMARK(BM_StopToFileClosed)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
