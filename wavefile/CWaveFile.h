#pragma once
// Multichannel 16-bit PCM recording file: the 44-byte header image, unbuffered sample writes,
// and the "chn ", "mark" and "umrk" extension chunks that may follow the RIFF chunk.
// Failures of the system arrive as CFileException; nothing here catches it.
#include "platform/Types.h"
#include "platform/file/CFile.h"

#include <cstdint>
#include <string>

class CWaveFile {
public:
    CWaveFile();
    ~CWaveFile();  // closes the file if open; the header is not rewritten
    CWaveFile(const CWaveFile&) = delete;
    CWaveFile& operator=(const CWaveFile&) = delete;

    // Nonzero on success. Open creates or truncates for writing, OpenRead opens an existing
    // file; both lock it for exclusive use and raise nothing.
    BOOL Open(const std::string& strPath);
    BOOL OpenRead(const std::string& strPath);

    int SetFormat(WORD wChannels, DWORD dwSampleRate, WORD wBitsPerSample, DWORD dwFrames);
    int WriteHeader();
    int SeekData(DWORD dwOffset);
    int Write(const void* pData, DWORD dwCount);
    // pdwRead, when given, receives the number of bytes that arrived (short at the end of file).
    int Read(void* pBuffer, DWORD dwCount, DWORD* pdwRead = nullptr);
    int Close();
    // Loads the header image from offset 0 and derives the frame count. Returns 1 when the
    // file ends inside the header; the fields not reached keep their values.
    int ReadHeader();

    // Chunk writers append at the current position; texts are cut to 256 bytes.
    int WriteChannelChunk(int nInt1, double dReal1, double dReal2, double dReal3, int nInt2,
                          int nInt3, const char* pszName);
    int WriteMarkChunk(int nInt1, int nInt2, const char* pszText);
    // pnValues holds dwCount values.
    int WriteUserMarkChunk(DWORD dwCount, int nInt1, const int* pnValues, const char* pszText);

    int RewindChannelChunks();
    int RewindMarkChunks();
    int RewindUserMarkChunks();

    // 0 and the next chunk of the kind, or 1 when there is none (the search position then
    // stays). Text buffers hold at least 257 bytes; the text is always zero-terminated.
    int ReadChannelChunk(int& nInt1, double& dReal1, double& dReal2, double& dReal3, int& nInt2,
                         int& nInt3, char* pszName);
    int ReadMarkChunk(int& nInt1, int& nInt2, char* pszText);
    // Returns the count, integer 1 and the first value (0 when the count is 0); the text is
    // read where the writer put it, after all the values.
    int ReadUserMarkChunk(DWORD& dwCount, int& nInt1, int& nValue, char* pszText);

    // Header image and derived values, as they stand.
    DWORD GetRiffId() const { return m_dwRiffId; }
    DWORD GetRiffSize() const { return m_dwRiffSize; }
    DWORD GetWaveId() const { return m_dwWaveId; }
    DWORD GetFmtId() const { return m_dwFmtId; }
    DWORD GetFmtSize() const { return m_dwFmtSize; }
    WORD GetFormatTag() const { return m_wFormatTag; }
    WORD GetChannels() const { return m_wChannels; }
    DWORD GetSampleRate() const { return m_dwSampleRate; }
    DWORD GetByteRate() const { return m_dwByteRate; }
    WORD GetBlockAlign() const { return m_wBlockAlign; }
    WORD GetBitsPerSample() const { return m_wBitsPerSample; }
    DWORD GetDataId() const { return m_dwDataId; }
    DWORD GetDataSize() const { return m_dwDataSize; }
    DWORD GetFrames() const { return m_dwFrames; }
    DWORD GetChannelChunkPos() const { return m_dwChannelChunkPos; }
    DWORD GetMarkChunkPos() const { return m_dwMarkChunkPos; }
    DWORD GetUserMarkChunkPos() const { return m_dwUserMarkChunkPos; }

    BOOL IsOpen() const { return m_File.IsOpen() ? TRUE : FALSE; }
    std::uint64_t GetPosition() const { return m_File.GetPosition(); }
    std::uint64_t GetLength() const { return m_File.GetLength(); }
    // Cuts the file, e.g. back to its last whole block after a failed write.
    void SetLength(std::uint64_t nLength) { m_File.SetLength(nLength); }

private:
    int SeekRiffEnd();
    // Little-endian fields, one system write or read each. A short read changes only the
    // bytes that arrived.
    void WriteField(std::uint64_t qwValue, UINT nBytes);
    UINT ReadField(std::uint64_t& qwValue, UINT nBytes);
    UINT ReadField(DWORD& dwValue);
    UINT ReadField(WORD& wValue);
    UINT ReadField(int& nValue);
    UINT ReadField(double& dValue);
    void WriteText(const char* pszText, DWORD dwLength);
    DWORD ReadText(char* pszText, DWORD dwLength);
    // Walks the chunks from dwPos; true with the file just after the size field of the
    // next chunk of the kind, whose size goes to dwSize.
    bool FindChunk(DWORD dwId, DWORD dwPos, DWORD& dwSize);
    // Stores the position after a chunk just read; false when it lies beyond 32-bit offsets.
    bool StoreSearchPosition(DWORD& dwPos);

    // Header image, bytes 0 to 43 of the file in this order.
    DWORD m_dwRiffId;
    DWORD m_dwRiffSize;
    DWORD m_dwWaveId;
    DWORD m_dwFmtId;
    DWORD m_dwFmtSize;
    WORD m_wFormatTag;
    WORD m_wChannels;
    DWORD m_dwSampleRate;
    DWORD m_dwByteRate;
    WORD m_wBlockAlign;
    WORD m_wBitsPerSample;
    DWORD m_dwDataId;
    DWORD m_dwDataSize;

    DWORD m_dwFrames;
    DWORD m_dwChannelChunkPos;
    DWORD m_dwMarkChunkPos;
    DWORD m_dwUserMarkChunkPos;
    CFile m_File;
};
