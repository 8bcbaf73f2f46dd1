#include "platform/file/CFile.h"
#include "platform/file/CMemoryException.h"
#include "tests/wavefile/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

using testfiles::Bytes;
using testfiles::ReadAll;
using testfiles::TempDir;
using testfiles::WriteAll;

namespace {

constexpr UINT kWriteFlags = CFile::modeCreate | CFile::modeWrite | CFile::typeBinary |
                             CFile::osRandomAccess;
constexpr UINT kReadFlags = CFile::modeRead | CFile::typeBinary | CFile::osRandomAccess;

}  // namespace

TEST(CFileTest, WritesSeeksAndReadsBack)
{
    TempDir dir;
    const std::string strPath = dir.File("a.bin");
    {
        CFile file;
        ASSERT_TRUE(file.Open(strPath, kWriteFlags));
        file.Write("0123456789", 10);
        EXPECT_EQ(file.GetPosition(), 10u);
        EXPECT_EQ(file.Seek(2, CFile::begin), 2u);
        file.Write("ab", 2);
        EXPECT_EQ(file.Seek(3, CFile::current), 7u);
        file.Write("Z", 1);
        EXPECT_EQ(file.GetLength(), 10u);
        file.Close();
        EXPECT_FALSE(file.IsOpen());
    }
    CFile file;
    ASSERT_TRUE(file.Open(strPath, kReadFlags));
    char buf[16] = {};
    EXPECT_EQ(file.Read(buf, sizeof buf), 10u);  // short at the end of the file
    EXPECT_EQ(std::string(buf, 10), "01ab456Z89");
    EXPECT_EQ(file.Read(buf, 4), 0u);
    // Seeking beyond the end is allowed and reads nothing there.
    EXPECT_EQ(file.Seek(100, CFile::begin), 100u);
    EXPECT_EQ(file.Read(buf, 4), 0u);
}

TEST(CFileTest, SetLengthCutsThroughTheLockedDescriptor)
{
    TempDir dir;
    const std::string strPath = dir.File("cut.bin");
    CFile file;
    ASSERT_TRUE(file.Open(strPath, kWriteFlags));
    file.Write("0123456789", 10);
    file.SetLength(4);
    EXPECT_EQ(file.GetLength(), 4u);
    EXPECT_EQ(file.GetPosition(), 10u) << "the position stays";
    file.Close();
    EXPECT_EQ(ReadAll(strPath), Bytes({'0', '1', '2', '3'}));
    EXPECT_THROW(file.SetLength(0), CFileException) << "closed";
}

TEST(CFileTest, CreateTruncatesAnExistingFile)
{
    TempDir dir;
    const std::string strPath = dir.File("old.bin");
    WriteAll(strPath, Bytes(100, 7));
    CFile file;
    ASSERT_TRUE(file.Open(strPath, kWriteFlags));
    EXPECT_EQ(file.GetLength(), 0u);
}

TEST(CFileTest, OpenReportsFailureByResultWithTheCause)
{
    TempDir dir;
    struct Case {
        std::string strPath;
        UINT nFlags;
        int nCause;
    } cases[] = {
        {dir.File("missing.bin"), kReadFlags, CFileException::fileNotFound},
        {dir.File("no/such/dir.bin"), kWriteFlags, CFileException::fileNotFound},
        {dir.File(""), kWriteFlags, CFileException::accessDenied},  // a directory
        {dir.File(""), kReadFlags, CFileException::accessDenied},
        // A pipe cannot be seeked, and opening one would wait for its other end.
        {dir.File("pipe"), kReadFlags, CFileException::badSeek},
        {dir.File("pipe"), kWriteFlags, CFileException::badSeek},
    };
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strPath);
        CFile file;
        CFileException error(CFileException::none, 0, "");
        EXPECT_FALSE(file.Open(c.strPath, c.nFlags, &error));
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(error.m_cause, c.nCause);
        EXPECT_NE(error.m_lOsError, 0);
        EXPECT_NE(std::string(error.what()).find(c.strPath), std::string::npos);
    }
}

TEST(CFileTest, SecondWriterIsRefusedAndLeavesTheFirstFileIntact)
{
    TempDir dir;
    const std::string strPath = dir.File("rec.wav");
    CFile first;
    ASSERT_TRUE(first.Open(strPath, kWriteFlags));
    first.Write("recording", 9);

    CFile second;
    CFileException error(CFileException::none, 0, "");
    EXPECT_FALSE(second.Open(strPath, kWriteFlags, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    // An exclusive reader is refused as well; one that shares everything is not.
    EXPECT_FALSE(second.Open(strPath, kReadFlags));
    EXPECT_TRUE(second.Open(strPath, kReadFlags | CFile::shareDenyNone));
    second.Close();

    first.Write("!", 1);
    first.Close();
    const Bytes expected{'r', 'e', 'c', 'o', 'r', 'd', 'i', 'n', 'g', '!'};
    EXPECT_EQ(ReadAll(strPath), expected);
    // The lock ends with the file.
    EXPECT_TRUE(second.Open(strPath, kWriteFlags));
}

TEST(CFileTest, DestructorReleasesTheLock)
{
    TempDir dir;
    const std::string strPath = dir.File("x.bin");
    {
        CFile file;
        ASSERT_TRUE(file.Open(strPath, kWriteFlags));
    }
    CFile again;
    EXPECT_TRUE(again.Open(strPath, kWriteFlags));
}

TEST(CFileTest, WriteToAFullDeviceRaisesDiskFull)
{
    CFile file;
    ASSERT_TRUE(file.Open("/dev/full", kWriteFlags));
    try {
        file.Write("abcd", 4);
        FAIL() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::diskFull);
        EXPECT_EQ(e.m_lOsError, ENOSPC);
        EXPECT_EQ(e.m_strFileName, "/dev/full");
    }
}

TEST(CFileTest, WriteStoringFewerBytesThanAskedRaisesDiskFull)
{
    TempDir dir;
    const std::string strPath = dir.File("limited.bin");
    CFile file;
    ASSERT_TRUE(file.Open(strPath, kWriteFlags));

    // A file size limit makes the system store only part of the write.
    rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    int nCause = -1;
    try {
        const Bytes block(300, 1);
        file.Write(block.data(), static_cast<UINT>(block.size()));
    } catch (const CFileException& e) {
        nCause = e.m_cause;
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(nCause, CFileException::diskFull);
    EXPECT_EQ(file.GetLength(), 100u);
}

TEST(CFileTest, FailedOperationsRaiseWithTheSystemError)
{
    TempDir dir;
    const std::string strPath = dir.File("w.bin");
    CFile file;
    ASSERT_TRUE(file.Open(strPath, kWriteFlags));
    char buf[4];
    auto causeOf = [](auto&& op) {
        try {
            op();
        } catch (const CFileException& e) {
            return e.m_cause;
        }
        return -1;
    };
    EXPECT_EQ(causeOf([&] { file.Seek(-1, CFile::begin); }), CFileException::badSeek);
    EXPECT_EQ(causeOf([&] { file.Read(buf, 4); }), CFileException::invalidFile);  // write-only
    file.Close();
    EXPECT_NO_THROW(file.Close());
    EXPECT_EQ(causeOf([&] { file.Write(buf, 4); }), CFileException::invalidFile);
    EXPECT_EQ(causeOf([&] { file.GetPosition(); }), CFileException::invalidFile);
}

TEST(CFileTest, ExceptionsCarryASentence)
{
    const CFileException e(CFileException::diskFull, ENOSPC, "/data/r.wav");
    EXPECT_STREQ(e.what(), ("The disk is full while writing '/data/r.wav'. (" +
                            std::string(std::strerror(ENOSPC)) + ")")
                               .c_str());
    const CException& base = CMemoryException();
    EXPECT_STREQ(base.what(), "Out of memory.");
}
