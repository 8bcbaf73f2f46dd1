#include "platform/file/CFileException.h"

#include <cctype>
#include <cerrno>
#include <cstring>

CFileException::CFileException(int nCause, int nOsError, std::string strFileName)
    : CException(MakeMessage(nCause, nOsError, strFileName)),
      m_cause(nCause),
      m_lOsError(nOsError),
      m_strFileName(std::move(strFileName))
{
}

int CFileException::OsErrorToCause(int nOsError)
{
    switch (nOsError) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST: return accessDenied;
    case EBADF: return invalidFile;
    case EBUSY: return removeCurrentDir;
    case ESPIPE:
    case EINVAL:
    case EOVERFLOW: return badSeek;
    case EIO: return hardIO;
    case EWOULDBLOCK: return sharingViolation;
    case ENOLCK: return lockViolation;
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return diskFull;
    default: return genericException;
    }
}

void CFileException::ThrowOsError(int nOsError, const std::string& strFileName)
{
    throw CFileException(OsErrorToCause(nOsError), nOsError, strFileName);
}

std::string CFileException::MakeMessage(int nCause, int nOsError, const std::string& strFileName)
{
    const std::string strName = strFileName.empty() ? std::string("the file") : "'" + strFileName + "'";
    std::string str;
    switch (nCause) {
    case none: str = "No error occurred with " + strName + "."; break;
    case fileNotFound: str = strName + " was not found."; break;
    case badPath: str = "The path of " + strName + " is invalid."; break;
    case tooManyOpenFiles: str = "Too many files are open to open " + strName + "."; break;
    case accessDenied: str = "Access to " + strName + " was denied."; break;
    case invalidFile: str = strName + " is not open."; break;
    case badSeek: str = "A seek in " + strName + " failed."; break;
    case hardIO: str = "A hardware error occurred with " + strName + "."; break;
    case sharingViolation: str = strName + " is in use by another program."; break;
    case lockViolation: str = strName + " could not be locked."; break;
    case diskFull: str = "The disk is full while writing " + strName + "."; break;
    case endOfFile: str = "The end of " + strName + " was reached."; break;
    default: str = "An error occurred with " + strName + "."; break;
    }
    if (nOsError != 0)
        str += std::string(" (") + std::strerror(nOsError) + ")";
    if (!str.empty())
        str[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(str[0])));
    return str;
}
