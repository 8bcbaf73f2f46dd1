#include "wavefile/CWaveFile.h"

#include <cstring>

void CWaveFile::WriteField(std::uint64_t qwValue, UINT nBytes)
{
    unsigned char by[8];
    for (UINT i = 0; i < nBytes; ++i)
        by[i] = static_cast<unsigned char>(qwValue >> (8 * i));
    m_File.Write(by, nBytes);
}

UINT CWaveFile::ReadField(std::uint64_t& qwValue, UINT nBytes)
{
    unsigned char by[8];
    const UINT nRead = m_File.Read(by, nBytes);
    for (UINT i = 0; i < nRead; ++i) {
        qwValue &= ~(std::uint64_t(0xFF) << (8 * i));
        qwValue |= std::uint64_t(by[i]) << (8 * i);
    }
    return nRead;
}

UINT CWaveFile::ReadField(DWORD& dwValue)
{
    std::uint64_t qw = dwValue;
    const UINT nRead = ReadField(qw, 4);
    dwValue = static_cast<DWORD>(qw);
    return nRead;
}

UINT CWaveFile::ReadField(WORD& wValue)
{
    std::uint64_t qw = wValue;
    const UINT nRead = ReadField(qw, 2);
    wValue = static_cast<WORD>(qw);
    return nRead;
}

UINT CWaveFile::ReadField(int& nValue)
{
    std::uint64_t qw = static_cast<DWORD>(nValue);
    const UINT nRead = ReadField(qw, 4);
    nValue = static_cast<int>(static_cast<DWORD>(qw));
    return nRead;
}

UINT CWaveFile::ReadField(double& dValue)
{
    std::uint64_t qw;
    std::memcpy(&qw, &dValue, sizeof qw);
    const UINT nRead = ReadField(qw, 8);
    std::memcpy(&dValue, &qw, sizeof qw);
    return nRead;
}

void CWaveFile::WriteText(const char* pszText, DWORD dwLength)
{
    if (dwLength > 0)
        m_File.Write(pszText, dwLength);
}

DWORD CWaveFile::ReadText(char* pszText, DWORD dwLength)
{
    // Terminated after what arrived, so a chunk cut short never shows stale buffer bytes.
    const UINT nRead = m_File.Read(pszText, dwLength);
    pszText[nRead] = '\0';
    return nRead;
}
