#include "tools/probe/Probe.h"

#include "instrument/CSerialPort.h"
#include "instrument/d2xx/D2xxBackends.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <new>
#include <sstream>
#include <vector>

namespace {

double LoopMilliamps(unsigned nRaw) { return nRaw * 2430.0 / 65536.0 / 100.0; }
double BoardCelsius(unsigned nRaw) { return (nRaw * 2430.0 / 65536.0 - 776.0) / 2.86; }

struct STREAMSUMMARY {
    int nBlocks = 0;
    long long nBytes = 0;
    std::vector<int> vecMin, vecMax;
    unsigned nLastSensor[2] = {0, 0};
    double dStreamSeconds = 0;
};


void Stream(CSerialPort& cmd, CSerialPort& data, int nMask, int nChannels, int nBlocks, STREAMSUMMARY& summary)
{
    summary.vecMin.assign(static_cast<size_t>(nChannels), INT_MAX);
    summary.vecMax.assign(static_cast<size_t>(nChannels), INT_MIN);
    const int nBlockBytes = box::BlockBytes(nChannels);
    std::vector<std::uint16_t> block(static_cast<size_t>(nBlockBytes) / 2);

    box::StreamStart(cmd, data, false, nMask);
    const auto start = std::chrono::steady_clock::now();
    try {
        for (int b = 0; b < nBlocks; ++b) {
            data.ReadBlock(block.data(), nBlockBytes);
            box::SwapWords(block.data(), static_cast<int>(block.size()));
            for (int f = 0; f < box::kFramesPerBlock; ++f) {
                for (int j = 0; j < nChannels; ++j) {
                    const int n = static_cast<std::int16_t>(block[static_cast<size_t>(f * nChannels + j)]);
                    summary.vecMin[j] = std::min(summary.vecMin[j], n);
                    summary.vecMax[j] = std::max(summary.vecMax[j], n);
                }
            }
            summary.nLastSensor[b & 1] = block.back();
            summary.nBlocks = b + 1;
            summary.nBytes += nBlockBytes;
        }
    } catch (...) {
        box::StreamAbort(cmd, data);
        data.Purge();
        throw;
    }
    summary.dStreamSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    box::StreamStop(cmd, data);
}

// The caption number of the input at frame position j.
int MicNumberAt(int nMask, int j)
{
    for (int i = 0; i < box::kMics; ++i) {
        if ((nMask >> i) & 1) {
            if (j-- == 0)
                return box::kMics - i;
        }
    }
    return 0;
}

}  // namespace

bool ParseMicList(const std::string& strList, BOOL bMic[box::kMics])
{
    std::fill(bMic, bMic + box::kMics, FALSE);
    std::stringstream stream(strList);
    std::string strItem;
    while (std::getline(stream, strItem, ',')) {
        strItem.erase(0, strItem.find_first_not_of(" \t"));
        strItem.erase(strItem.find_last_not_of(" \t") + 1);
        if (strItem.empty())
            continue;
        if (strItem.size() != 1 || strItem[0] < '1' || strItem[0] > '6')
            return false;
        bMic[box::kMics - (strItem[0] - '0')] = TRUE;  // "Mic1" is the last flag
    }
    return true;
}

int RunProbe(const PROBESETTINGS& settings, std::FILE* out, std::FILE* err)
{
    std::string error;
    if (!d2xx::D2xxSelect(settings.strSimulate, error)) {
        std::fprintf(err, "%s\n", error.c_str());
        return 1;
    }
    std::fprintf(out, "Driver: %s\n", d2xx::D2xxActive().name);

    const auto start = std::chrono::steady_clock::now();
    CSerialPort cmd, data;
    if (cmd.OpenByIndex(box::kCommandIndex, box::kBaudRate, box::kOpenUnused) != 0 ||
        data.OpenByIndex(box::kDataIndex, box::kBaudRate, box::kOpenUnused) != 0) {
        std::fprintf(err, "Can't open communication ports\n");
        return 1;
    }

    const int nMask = box::ChannelMask(settings.bMic);
    const int nChannels = box::ChannelCount(settings.bMic);
    STREAMSUMMARY summary;
    unsigned nWord[3] = {0, 0, 0};
    try {
        // Exceptions from the start: a dead box then fails in 2 s instead of 24.
        cmd.EnableExceptions();
        data.EnableExceptions();
        nWord[0] = box::QuerySensor(cmd, data, box::kQuerySensor1);
        nWord[1] = box::QuerySensor(cmd, data, box::kQuerySensor2);
        nWord[2] = box::QuerySensor(cmd, data, box::kQueryBoardTemp);
        std::fprintf(out, "Sensors: input 1 %u (%.3f mA), input 2 %u (%.3f mA), board %u (%.1f C)\n", nWord[0],
                     LoopMilliamps(nWord[0]), nWord[1], LoopMilliamps(nWord[1]), nWord[2], BoardCelsius(nWord[2]));
        Stream(cmd, data, nMask, nChannels, settings.nBlocks, summary);
    } catch (int nCode) {
        std::fprintf(err, "Serial port exception\n%s after %d of %d blocks\n", CSerialPort::ErrorText(nCode).c_str(),
                     summary.nBlocks, settings.nBlocks);
        return 1;
    } catch (const std::bad_alloc&) {
        std::fprintf(err, "Memory exception\n");
        return 1;
    }
    const double dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::fprintf(out, "Stream: %d blocks, %lld bytes, mask %d, %d channel(s)\n", summary.nBlocks, summary.nBytes, nMask,
                 nChannels);
    for (int j = 0; j < nChannels && summary.nBlocks > 0; ++j)
        std::fprintf(out, "  channel %d (Mic%d): min %d, max %d\n", j, MicNumberAt(nMask, j), summary.vecMin[j],
                     summary.vecMax[j]);
    if (summary.nBlocks > 0)
        std::fprintf(out, "Stream sensor words: input 1 %u, input 2 %u\n", summary.nLastSensor[0], summary.nLastSensor[1]);
    const double dStream = summary.dStreamSeconds;
    std::fprintf(out, "Elapsed: %.3f s in all, %.3f s streaming (%.1f blocks/s)\n", dSeconds, dStream,
                 dStream > 0 ? summary.nBlocks / dStream : 0.0);
    return 0;
}
