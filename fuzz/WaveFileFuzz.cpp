// Arbitrary bytes as a recording file: the header reader and the three chunk readers must
// neither crash, read outside their buffers, nor search for ever.
#include "wavefile/CWaveFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// An in-memory file reached by path, so each input costs no disk traffic.
const std::string& InputPath()
{
    static const std::string strPath = [] {
        const int nFd = ::memfd_create("vadel-fuzz", 0);
        if (nFd < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        return "/proc/self/fd/" + std::to_string(nFd);
    }();
    return strPath;
}

void Check(bool bOk, const char* pszWhat)
{
    if (!bOk) {
        std::fprintf(stderr, "violated: %s\n", pszWhat);
        __builtin_trap();
    }
}

// Calls read until it reports none; each find must move the search on.
template <class Read, class Pos>
void Drain(Read&& read, Pos&& pos, char* pszText, std::size_t nSize)
{
    std::uint64_t qwLast = pos();
    for (std::size_t i = 0;; ++i) {
        Check(i <= nSize / 8 + 1, "more chunks than the file can hold");
        std::memset(pszText, 'Z', 260);
        if (read() != 0)
            break;
        Check(std::strlen(pszText) <= 256, "text longer than 256 bytes");
        Check(pszText[257] == 'Z' && pszText[258] == 'Z', "write beyond the text buffer");
        Check(pos() > qwLast, "search position did not advance");
        qwLast = pos();
    }
    const std::uint64_t qwEnd = pos();
    Check(read() == 1 && pos() == qwEnd, "a finished search found more or moved");
}

void Exercise(CWaveFile& wave, std::size_t nSize)
{
    wave.ReadHeader();
    char szText[260];
    int n1, n2, n3, nValue;
    double d1, d2, d3;
    DWORD dwCount;
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            wave.RewindChannelChunks();
            wave.RewindMarkChunks();
            wave.RewindUserMarkChunks();
        }
        Drain([&] { return wave.ReadChannelChunk(n1, d1, d2, d3, n2, n3, szText); },
              [&] { return wave.GetChannelChunkPos(); }, szText, nSize);
        Drain([&] { return wave.ReadMarkChunk(n1, n2, szText); },
              [&] { return wave.GetMarkChunkPos(); }, szText, nSize);
        Drain([&] { return wave.ReadUserMarkChunk(dwCount, n1, nValue, szText); },
              [&] { return wave.GetUserMarkChunkPos(); }, szText, nSize);
    }
    char samples[64];
    DWORD dwRead = 0;
    wave.SeekData(0);
    wave.Read(samples, sizeof samples, &dwRead);
    Check(dwRead <= sizeof samples, "read count beyond the request");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string& strPath = InputPath();
    {
        // Fill through a descriptor of our own; CWaveFile opens the path afresh.
        const int nFd = ::open(strPath.c_str(), O_WRONLY | O_TRUNC);
        if (nFd < 0 || (nSize > 0 && ::write(nFd, pData, nSize) != static_cast<ssize_t>(nSize)))
            std::abort();
        ::close(nFd);
    }
    CWaveFile wave;
    Check(wave.OpenRead(strPath) == TRUE, "cannot open the input");
    Exercise(wave, nSize);
    return 0;
}
