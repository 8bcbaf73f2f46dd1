#pragma once
// The output file of one run. Whatever way the run ends once the file is open, Finish
// leaves a valid file: the samples of the whole blocks written, then the signal-name
// trailer, with a header that states exactly those blocks. Where the trailer cannot be
// written the file ends after the last whole block, again with a header that says so.
#include "wavefile/CWaveFile.h"

#include <QString>

#include <string>

class CRecordingFile {
public:
    // False when the file cannot be created. Then raises nothing.
    bool Open(const QString& strPath);
    // Header for the planned blocks, positioned at the first sample. Raises CFileException.
    void Begin(int nChannels, int nSampleRate, int nPlannedBlocks);
    // One block's samples; counts the block once all its bytes are stored. Raises.
    void WriteBlock(const void* pSamples, DWORD dwBytes);
    // Trailer after the last whole block and the header rewritten to the blocks written,
    // then closed. Raises only when not even the header could be corrected.
    void Finish(const QString (&strNames)[6]);

    int BlocksWritten() const { return m_nBlocks; }
    bool TrailerWritten() const { return m_bTrailer; }
    bool IsOpen() const { return m_file.IsOpen() != FALSE; }

private:
    void WriteTrailer(const QString (&strNames)[6]);
    void Truncate(std::uint64_t nLength);
    DWORD DataBytes() const;

    CWaveFile m_file;
    std::string m_strPath;
    int m_nChannels = 0;
    int m_nSampleRate = 0;
    int m_nBlocks = 0;
    bool m_bDirty = false;  // a write failed, the file may end inside a block
    bool m_bTrailer = false;
};
