#include "wavefile/CWaveFile.h"

#include <algorithm>
#include <cstdint>

#include "wavefile/WaveFormat.h"

using namespace wavefmt;

CWaveFile::CWaveFile()
    : m_dwRiffId(kRiffId),
      m_dwRiffSize(0),
      m_dwWaveId(kWaveId),
      m_dwFmtId(kFmtId),
      m_dwFmtSize(kFmtChunkSize),
      m_wFormatTag(kFormatPcm),
      m_wChannels(1),
      m_dwSampleRate(1000),
      m_dwByteRate(0),
      m_wBlockAlign(0),
      m_wBitsPerSample(16),
      m_dwDataId(kDataId),
      m_dwDataSize(0),
      m_dwFrames(0),
      m_dwChannelChunkPos(0),
      m_dwMarkChunkPos(0),
      m_dwUserMarkChunkPos(0)
{
    m_dwByteRate = (DWORD(m_wChannels) * m_dwSampleRate * m_wBitsPerSample) >> 3;
    m_wBlockAlign = static_cast<WORD>(m_wChannels * m_wBitsPerSample / 8);
}

CWaveFile::~CWaveFile()
{
    m_File.Abort();
}

BOOL CWaveFile::Open(const std::string& strPath)
{
    return m_File.Open(strPath, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary |
                                    CFile::osRandomAccess)
               ? TRUE
               : FALSE;
}

BOOL CWaveFile::OpenRead(const std::string& strPath)
{
    return m_File.Open(strPath, CFile::modeRead | CFile::typeBinary | CFile::osRandomAccess)
               ? TRUE
               : FALSE;
}

int CWaveFile::SetFormat(WORD wChannels, DWORD dwSampleRate, WORD wBitsPerSample, DWORD dwFrames)
{
    m_wChannels = wChannels;
    m_dwSampleRate = dwSampleRate;
    m_wBitsPerSample = wBitsPerSample;
    m_dwFrames = dwFrames;
    // The products are taken in 64 bits: in 32 bits a six-channel recording of more than
    // about 1431 s would wrap and declare a fraction of its samples. A size the fields
    // cannot hold is stored as the largest they can.
    constexpr std::uint64_t kMax = 0xFFFFFFFFu;
    const std::uint64_t qwByteRate = (std::uint64_t(wChannels) * dwSampleRate * wBitsPerSample) >> 3;
    const std::uint64_t qwDataSize = (std::uint64_t(wChannels) * dwFrames * wBitsPerSample) >> 3;
    const std::uint64_t qwOverhead = std::uint64_t(m_dwFmtSize) + 20;
    m_dwByteRate = static_cast<DWORD>(std::min(qwByteRate, kMax));
    m_wBlockAlign = static_cast<WORD>(DWORD(wChannels) * wBitsPerSample / 8);
    m_dwDataSize = static_cast<DWORD>(std::min(qwDataSize, qwOverhead < kMax ? kMax - qwOverhead : 0));
    m_dwRiffSize = static_cast<DWORD>(std::min(qwOverhead + m_dwDataSize, kMax));
    return 0;
}

int CWaveFile::WriteHeader()
{
    m_File.Seek(0, CFile::begin);
    WriteField(m_dwRiffId, 4);
    WriteField(m_dwRiffSize, 4);
    WriteField(m_dwWaveId, 4);
    WriteField(m_dwFmtId, 4);
    WriteField(m_dwFmtSize, 4);
    WriteField(m_wFormatTag, 2);
    WriteField(m_wChannels, 2);
    WriteField(m_dwSampleRate, 4);
    WriteField(m_dwByteRate, 4);
    WriteField(m_wBlockAlign, 2);
    WriteField(m_wBitsPerSample, 2);
    WriteField(m_dwDataId, 4);
    WriteField(m_dwDataSize, 4);
    return 0;
}

int CWaveFile::ReadHeader()
{
    m_File.Seek(0, CFile::begin);
    UINT nRead = 0;
    nRead += ReadField(m_dwRiffId);
    nRead += ReadField(m_dwRiffSize);
    nRead += ReadField(m_dwWaveId);
    nRead += ReadField(m_dwFmtId);
    nRead += ReadField(m_dwFmtSize);
    nRead += ReadField(m_wFormatTag);
    nRead += ReadField(m_wChannels);
    nRead += ReadField(m_dwSampleRate);
    nRead += ReadField(m_dwByteRate);
    nRead += ReadField(m_wBlockAlign);
    nRead += ReadField(m_wBitsPerSample);
    nRead += ReadField(m_dwDataId);
    nRead += ReadField(m_dwDataSize);

    const DWORD dwFrameBytes = DWORD(m_wChannels) * m_wBitsPerSample / 8;
    m_dwFrames = dwFrameBytes == 0 ? 0 : m_dwDataSize / dwFrameBytes;
    return nRead == kHeaderSize ? 0 : 1;
}

int CWaveFile::SeekData(DWORD dwOffset)
{
    m_File.Seek(std::int64_t(kHeaderSize) + dwOffset, CFile::begin);
    return 0;
}

int CWaveFile::Write(const void* pData, DWORD dwCount)
{
    m_File.Write(pData, dwCount);
    return 0;
}

int CWaveFile::Read(void* pBuffer, DWORD dwCount, DWORD* pdwRead)
{
    const UINT nRead = m_File.Read(pBuffer, dwCount);
    if (pdwRead)
        *pdwRead = nRead;
    return 0;
}

int CWaveFile::Close()
{
    m_File.Close();
    return 0;
}
