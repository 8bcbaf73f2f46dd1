#include "platform/file/CFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int LockOperation(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x70) {
    case CFile::shareDenyNone: return 0;
    case CFile::shareDenyWrite: return LOCK_SH;
    default: return LOCK_EX;
    }
}

}  // namespace

CFile::~CFile()
{
    Abort();
}

bool CFile::Open(const std::string& strFileName, UINT nOpenFlags, CFileException* pError)
{
    Abort();
    auto fail = [&](int nOsError, int nCause) {
        if (pError)
            *pError = CFileException(nCause, nOsError, strFileName);
        return false;
    };

    int nAccess = O_RDONLY;
    if (nOpenFlags & modeReadWrite)
        nAccess = O_RDWR;
    else if (nOpenFlags & modeWrite)
        nAccess = O_WRONLY;
    // Never O_TRUNC: a file someone else holds locked must survive a refused open.
    // O_NONBLOCK only for the open itself, so a pipe cannot make it wait for a peer.
    int nFlags = nAccess | O_CLOEXEC | O_NONBLOCK;
    if (nOpenFlags & modeCreate)
        nFlags |= O_CREAT;

    int nFd;
    do {
        nFd = ::open(strFileName.c_str(), nFlags, 0666);
    } while (nFd < 0 && errno == EINTR);
    if (nFd < 0) {
        int nErr = errno;
        // A pipe without a reader refuses a writer this way; report it as any pipe.
        struct stat stPath {};
        if (nErr == ENXIO && ::stat(strFileName.c_str(), &stPath) == 0 && S_ISFIFO(stPath.st_mode))
            nErr = ESPIPE;
        return fail(nErr, CFileException::OsErrorToCause(nErr));
    }

    struct stat st {};
    const bool bRegular = ::fstat(nFd, &st) == 0 && S_ISREG(st.st_mode);
    // Files are read and written by position: a directory, pipe or socket is no file here.
    if (S_ISDIR(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) {
        const int nErr = S_ISDIR(st.st_mode) ? EISDIR : ESPIPE;
        ::close(nFd);
        return fail(nErr, CFileException::OsErrorToCause(nErr));
    }
    if (const int nFl = ::fcntl(nFd, F_GETFL); nFl >= 0)
        ::fcntl(nFd, F_SETFL, nFl & ~O_NONBLOCK);

    // Only regular files are locked and truncated: a device such as /dev/null is shared by
    // every program and cannot be cut.
    if (const int nLock = LockOperation(nOpenFlags); nLock != 0 && bRegular) {
        int nResult;
        do {
            nResult = ::flock(nFd, nLock | LOCK_NB);
        } while (nResult < 0 && errno == EINTR);
        if (nResult < 0) {
            const int nErr = errno;
            ::close(nFd);
            return fail(nErr, nErr == EWOULDBLOCK ? CFileException::sharingViolation
                                                  : CFileException::lockViolation);
        }
    }

    // Cut only what has content: truncating an empty file still makes some file systems
    // flush the whole file when it is closed.
    if (bRegular && st.st_size > 0 && (nOpenFlags & modeCreate) &&
        !(nOpenFlags & modeNoTruncate) && nAccess != O_RDONLY) {
        if (::ftruncate(nFd, 0) < 0) {
            const int nErr = errno;
            ::close(nFd);
            return fail(nErr, CFileException::OsErrorToCause(nErr));
        }
    }

    if (nOpenFlags & (osRandomAccess | osSequentialScan))
        ::posix_fadvise(nFd, 0, 0,
                        (nOpenFlags & osRandomAccess) ? POSIX_FADV_RANDOM : POSIX_FADV_SEQUENTIAL);

    m_nFd = nFd;
    m_strFileName = strFileName;
    return true;
}

void CFile::ThrowErrno(int nOsError) const
{
    CFileException::ThrowOsError(nOsError, m_strFileName);
}

void CFile::CheckOpen() const
{
    if (m_nFd < 0)
        throw CFileException(CFileException::invalidFile, EBADF, m_strFileName);
}

UINT CFile::Read(void* pBuf, UINT nCount)
{
    CheckOpen();
    auto* p = static_cast<char*>(pBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        const ssize_t n = ::read(m_nFd, p + nDone, nCount - nDone);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno(errno);
        }
        if (n == 0)
            break;
        nDone += static_cast<UINT>(n);
    }
    return nDone;
}

void CFile::Write(const void* pBuf, UINT nCount)
{
    CheckOpen();
    const auto* p = static_cast<const char*>(pBuf);
    UINT nDone = 0;
    // Normally one system call; a short store is followed up once more, and what the
    // system then refuses (or a store of nothing) is a full disk.
    while (nDone < nCount) {
        const ssize_t n = ::write(m_nFd, p + nDone, nCount - nDone);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno(errno);
        }
        if (n == 0)
            throw CFileException(CFileException::diskFull, ENOSPC, m_strFileName);
        nDone += static_cast<UINT>(n);
    }
}

std::uint64_t CFile::Seek(std::int64_t lOff, UINT nFrom)
{
    CheckOpen();
    const int nWhence = nFrom == current ? SEEK_CUR : nFrom == end ? SEEK_END : SEEK_SET;
    const off_t nPos = ::lseek(m_nFd, static_cast<off_t>(lOff), nWhence);
    if (nPos < 0)
        ThrowErrno(errno);
    return static_cast<std::uint64_t>(nPos);
}

std::uint64_t CFile::GetPosition() const
{
    CheckOpen();
    const off_t nPos = ::lseek(m_nFd, 0, SEEK_CUR);
    if (nPos < 0)
        ThrowErrno(errno);
    return static_cast<std::uint64_t>(nPos);
}

std::uint64_t CFile::GetLength() const
{
    CheckOpen();
    struct stat st {};
    if (::fstat(m_nFd, &st) < 0)
        ThrowErrno(errno);
    return static_cast<std::uint64_t>(st.st_size);
}

void CFile::SetLength(std::uint64_t nLength)
{
    CheckOpen();
    if (::ftruncate(m_nFd, static_cast<off_t>(nLength)) < 0)
        ThrowErrno(errno);
}

void CFile::Flush()
{
    CheckOpen();
    if (::fsync(m_nFd) < 0 && errno != EINVAL)
        ThrowErrno(errno);
}

void CFile::Close()
{
    if (m_nFd < 0)
        return;
    const int nFd = m_nFd;
    m_nFd = -1;
    // The descriptor is gone whatever close() says (EINTR included), so never retry it.
    if (::close(nFd) < 0 && errno != EINTR)
        ThrowErrno(errno);
}

void CFile::Abort()
{
    if (m_nFd >= 0) {
        ::close(m_nFd);
        m_nFd = -1;
    }
}
