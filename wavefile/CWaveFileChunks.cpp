#include "wavefile/CWaveFile.h"

#include "wavefile/WaveFormat.h"

#include <algorithm>
#include <bit>
#include <cstring>

using namespace wavefmt;

namespace {

constexpr std::uint64_t kMaxSearchPos = 0xFFFFFFFFu;

DWORD TextLength(const char* pszText)
{
    return pszText ? static_cast<DWORD>(::strnlen(pszText, kMaxChunkText)) : 0;
}

DWORD CapText(DWORD dwLength)
{
    return std::min(dwLength, kMaxChunkText);
}

}  // namespace

int CWaveFile::WriteChannelChunk(int nInt1, double dReal1, double dReal2, double dReal3, int nInt2,
                                 int nInt3, const char* pszName)
{
    const DWORD n = TextLength(pszName);
    WriteField(kChannelChunkId, 4);
    WriteField(n + kChannelChunkFixed, 4);
    WriteField(static_cast<DWORD>(nInt1), 4);
    std::uint64_t qw;
    for (double d : {dReal1, dReal2, dReal3}) {
        std::memcpy(&qw, &d, sizeof qw);
        WriteField(qw, 8);
    }
    WriteField(static_cast<DWORD>(nInt2), 4);
    WriteField(static_cast<DWORD>(nInt3), 4);
    WriteText(pszName, n);
    return 0;
}

int CWaveFile::WriteMarkChunk(int nInt1, int nInt2, const char* pszText)
{
    const DWORD n = TextLength(pszText);
    WriteField(kMarkChunkId, 4);
    WriteField(n + kMarkChunkFixed, 4);
    WriteField(static_cast<DWORD>(nInt1), 4);
    WriteField(static_cast<DWORD>(nInt2), 4);
    WriteText(pszText, n);
    return 0;
}

int CWaveFile::WriteUserMarkChunk(DWORD dwCount, int nInt1, const int* pnValues,
                                  const char* pszText)
{
    static_assert(sizeof(int) == 4);
    const DWORD n = TextLength(pszText);
    WriteField(kUserMarkChunkId, 4);
    WriteField(n + 4 * dwCount + 8, 4);
    WriteField(dwCount, 4);
    WriteField(static_cast<DWORD>(nInt1), 4);
    if constexpr (std::endian::native == std::endian::little) {
        // The array goes out as it is, in as few writes as the byte count allows.
        constexpr DWORD kMaxPerWrite = 0x10000000;
        for (DWORD i = 0; i < dwCount;) {
            const DWORD nPart = std::min(dwCount - i, kMaxPerWrite);
            m_File.Write(pnValues + i, nPart * 4);
            i += nPart;
        }
    } else {
        for (DWORD i = 0; i < dwCount; ++i)
            WriteField(static_cast<DWORD>(pnValues[i]), 4);
    }
    WriteText(pszText, n);
    return 0;
}

int CWaveFile::SeekRiffEnd()
{
    m_File.Seek(std::int64_t(m_dwRiffSize) + 8, CFile::begin);
    return 0;
}

int CWaveFile::RewindChannelChunks()
{
    SeekRiffEnd();
    m_dwChannelChunkPos = static_cast<DWORD>(std::min(m_File.GetPosition(), kMaxSearchPos));
    return 0;
}

int CWaveFile::RewindMarkChunks()
{
    SeekRiffEnd();
    m_dwMarkChunkPos = static_cast<DWORD>(std::min(m_File.GetPosition(), kMaxSearchPos));
    return 0;
}

int CWaveFile::RewindUserMarkChunks()
{
    SeekRiffEnd();
    m_dwUserMarkChunkPos = static_cast<DWORD>(std::min(m_File.GetPosition(), kMaxSearchPos));
    return 0;
}

bool CWaveFile::FindChunk(DWORD dwId, DWORD dwPos, DWORD& dwSize)
{
    const std::uint64_t qwLength = m_File.GetLength();
    std::uint64_t qwPos = dwPos;
    // Every step moves on by at least the 8 bytes of a chunk head, so the walk ends at the
    // end of the file whatever the sizes say.
    while (qwPos < qwLength && qwPos <= kMaxSearchPos) {
        m_File.Seek(static_cast<std::int64_t>(qwPos), CFile::begin);
        DWORD dwReadId = 0;
        dwSize = 0;
        if (ReadField(dwReadId) < 4 || ReadField(dwSize) < 4)
            return false;
        if (dwReadId == dwId)
            return true;
        qwPos += 8 + std::uint64_t(dwSize);
    }
    return false;
}

bool CWaveFile::StoreSearchPosition(DWORD& dwPos)
{
    const std::uint64_t qwPos = m_File.GetPosition();
    if (qwPos > kMaxSearchPos)
        return false;
    dwPos = static_cast<DWORD>(qwPos);
    return true;
}

int CWaveFile::ReadChannelChunk(int& nInt1, double& dReal1, double& dReal2, double& dReal3,
                                int& nInt2, int& nInt3, char* pszName)
{
    DWORD dwSize;
    if (!FindChunk(kChannelChunkId, m_dwChannelChunkPos, dwSize))
        return 1;
    ReadField(nInt1);
    ReadField(dReal1);
    ReadField(dReal2);
    ReadField(dReal3);
    ReadField(nInt2);
    ReadField(nInt3);
    ReadText(pszName, CapText(dwSize - kChannelChunkFixed));
    return StoreSearchPosition(m_dwChannelChunkPos) ? 0 : 1;
}

int CWaveFile::ReadMarkChunk(int& nInt1, int& nInt2, char* pszText)
{
    DWORD dwSize;
    if (!FindChunk(kMarkChunkId, m_dwMarkChunkPos, dwSize))
        return 1;
    ReadField(nInt1);
    ReadField(nInt2);
    ReadText(pszText, CapText(dwSize - kMarkChunkFixed));
    return StoreSearchPosition(m_dwMarkChunkPos) ? 0 : 1;
}

int CWaveFile::ReadUserMarkChunk(DWORD& dwCount, int& nInt1, int& nValue, char* pszText)
{
    DWORD dwSize;
    if (!FindChunk(kUserMarkChunkId, m_dwUserMarkChunkPos, dwSize))
        return 1;
    ReadField(dwCount);
    ReadField(nInt1);
    if (dwCount == 0) {
        nValue = 0;
    } else {
        ReadField(nValue);
        if (dwCount > 1)
            m_File.Seek(4 * (std::int64_t(dwCount) - 1), CFile::current);
    }
    // The text follows all the values; for one value this is size - 12 as the layout says.
    ReadText(pszText, CapText(dwSize - 8 - 4 * dwCount));
    return StoreSearchPosition(m_dwUserMarkChunkPos) ? 0 : 1;
}
