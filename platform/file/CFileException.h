#pragma once
// A failed file operation: a cause in the framework's terms, the errno behind it and a sentence.
#include "platform/file/CException.h"

#include <string>

class CFileException : public CException {
public:
    enum Cause {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException(int nCause, int nOsError, std::string strFileName);

    int m_cause = none;
    long m_lOsError = 0;  // errno, 0 when the cause is not an OS error
    std::string m_strFileName;

    // Cause that best describes an errno value.
    static int OsErrorToCause(int nOsError);
    // Throws the exception for errno nOsError on the named file.
    [[noreturn]] static void ThrowOsError(int nOsError, const std::string& strFileName);

private:
    static std::string MakeMessage(int nCause, int nOsError, const std::string& strFileName);
};
