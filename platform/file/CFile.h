#pragma once
// Binary file on a POSIX descriptor with the framework's open flags. Unless a share flag says
// otherwise the file is locked exclusively for as long as it is open, so a second writer (or a
// reader asking for exclusive use) is refused while a recording is written. Devices are
// neither locked nor truncated.
#include "platform/Types.h"
#include "platform/file/CFileException.h"

#include <cstdint>
#include <string>

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x00000,
        modeWrite = 0x00001,
        modeReadWrite = 0x00002,
        shareCompat = 0x00000,  // treated as shareExclusive
        shareExclusive = 0x00010,
        shareDenyWrite = 0x00020,  // shared lock: other readers may share, writers may not
        shareDenyRead = 0x00030,   // treated as shareExclusive
        shareDenyNone = 0x00040,   // no lock at all
        modeNoInherit = 0x00080,   // descriptors are always close-on-exec
        modeCreate = 0x01000,
        modeNoTruncate = 0x02000,
        typeText = 0x04000,  // no text translation on this platform
        typeBinary = 0x08000,
        osNoBuffer = 0x10000,
        osWriteThrough = 0x20000,
        osRandomAccess = 0x40000,
        osSequentialScan = 0x80000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    ~CFile();  // closes without raising
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // False when the file cannot be opened or is locked by another user; pError, when given,
    // receives the reason. Closes a file still open on this object first.
    bool Open(const std::string& strFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    // Reads until nCount bytes arrived or the end of the file; returns the count read.
    UINT Read(void* pBuf, UINT nCount);
    // Stores all nCount bytes or raises: a short store raises with cause diskFull.
    void Write(const void* pBuf, UINT nCount);
    // Returns the new position. Seeking beyond the end is allowed, before the start is not.
    std::uint64_t Seek(std::int64_t lOff, UINT nFrom);
    std::uint64_t SeekToBegin() { return Seek(0, begin); }
    std::uint64_t SeekToEnd() { return Seek(0, end); }
    std::uint64_t GetPosition() const;
    std::uint64_t GetLength() const;
    // Cuts or extends the file to nLength bytes; the position is left as it was.
    void SetLength(std::uint64_t nLength);
    void Flush();
    // Releases the lock and the descriptor; raises if the system reports a failure.
    void Close();
    // Closes and ignores every error (the destructor's way out).
    void Abort();

    bool IsOpen() const { return m_nFd >= 0; }
    const std::string& GetFilePath() const { return m_strFileName; }

private:
    [[noreturn]] void ThrowErrno(int nOsError) const;
    void CheckOpen() const;

    int m_nFd = -1;
    std::string m_strFileName;
};
