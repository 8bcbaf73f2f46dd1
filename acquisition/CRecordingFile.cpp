#include "acquisition/CRecordingFile.h"

#include "platform/file/CFileException.h"
#include "wavefile/WaveFormat.h"

#include <QByteArray>
#include <QFile>


bool CRecordingFile::Open(const QString& strPath)
{
    m_strPath = QFile::encodeName(strPath).toStdString();
    m_nBlocks = 0;
    m_bDirty = false;
    m_bTrailer = false;
    return m_file.Open(m_strPath) != FALSE;
}

void CRecordingFile::Begin(int nChannels, int nSampleRate, int nPlannedBlocks)
{
    m_nChannels = nChannels;
    m_nSampleRate = nSampleRate;
    m_bDirty = true;  // until the header is whole
    m_file.SetFormat(static_cast<WORD>(nChannels), static_cast<DWORD>(nSampleRate), 16,
                     static_cast<DWORD>(nPlannedBlocks) * 256);
    m_file.WriteHeader();
    m_file.SeekData(0);
    m_bDirty = false;
}

void CRecordingFile::WriteBlock(const void* pSamples, DWORD dwBytes)
{
    try {
        m_file.Write(pSamples, dwBytes);
    } catch (...) {
        m_bDirty = true;  // part of the block may have reached the disk
        throw;
    }
    ++m_nBlocks;
}

DWORD CRecordingFile::DataBytes() const
{
    return static_cast<DWORD>(m_nBlocks) * 256u * 2u * static_cast<DWORD>(m_nChannels);
}

void CRecordingFile::Truncate(std::uint64_t nLength)
{
    m_file.SetLength(nLength);
}

void CRecordingFile::WriteTrailer(const QString (&strNames)[6])
{
    static const char kZero = 0;
    for (int k = 0; k < 6; ++k) {
        const QByteArray bytes = strNames[k].toUtf8();
        if (!bytes.isEmpty())
            m_file.Write(bytes.constData(), static_cast<DWORD>(bytes.size()));
        m_file.Write(&kZero, 1);
    }
}

void CRecordingFile::Finish(const QString (&strNames)[6])
{
    if (!IsOpen())
        return;
    const DWORD dwData = DataBytes();
    bool bTrailerFailed = false;
    CFileException trailerError(CFileException::none, 0, m_strPath);
    try {
        if (m_bDirty) {
            Truncate(wavefmt::kHeaderSize + static_cast<std::uint64_t>(dwData));
            m_file.SeekData(dwData);
        }
        WriteTrailer(strNames);
        m_bTrailer = true;
    } catch (const CFileException& e) {
        // Without the names the file must at least end after its last whole block.
        bTrailerFailed = true;
        trailerError = e;
        try {
            Truncate(wavefmt::kHeaderSize + static_cast<std::uint64_t>(dwData));
        } catch (const CFileException&) {
        }
    }
    m_file.SetFormat(static_cast<WORD>(m_nChannels), static_cast<DWORD>(m_nSampleRate), 16,
                     static_cast<DWORD>(m_nBlocks) * 256);
    m_file.WriteHeader();
    m_file.Close();
    if (bTrailerFailed)
        throw trailerError;
}
