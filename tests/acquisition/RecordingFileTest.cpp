#include "acquisition/CRecordingFile.h"
#include "platform/file/CFileException.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <vector>

namespace {

const QString kNames[6] = {"Mic1", "Mic2", "Mic3", "Mic4", "Mic5", "Mic6"};
constexpr int kTrailer = 30;  // the six default names and their zero bytes

std::vector<unsigned char> Slurp(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned Le32(const std::vector<unsigned char>& v, size_t at)
{
    return v[at] | v[at + 1] << 8 | v[at + 2] << 16 | static_cast<unsigned>(v[at + 3]) << 24;
}

// A file size limit makes writes fail part-way, as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t nBytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = m_old;
        lim.rlim_cur = nBytes;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

}  // namespace

TEST(RecordingFile, EveryEndLeavesHeaderDataAndTrailerInAgreement)
{
    QTemporaryDir dir;
    const int nBlockBytes = 2 * 256 * 2;  // two channels
    const std::vector<char> block(nBlockBytes, '\x11');

    struct Case {
        const char* pszName;
        long long nLimit;  // file size limit, 0 none
        int nWholeBlocks;
        bool bTrailer;
    };
    const Case cases[] = {
        {"planned end", 0, 12, true},
        // The write of block 10 fails part-way; the partial block is cut off and the
        // names still fit behind block 9.
        {"full inside a block", 44 + 10 * nBlockBytes + 600, 10, true},
        // Not even the names fit: the file ends after the last whole block.
        {"full before the names", 44 + 10 * nBlockBytes + 10, 10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        const QString strPath = dir.filePath(c.pszName);
        CRecordingFile file;
        ASSERT_TRUE(file.Open(strPath));
        bool bWriteFailed = false;
        bool bFinishFailed = false;
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (c.nLimit)
                limit = std::make_unique<FileSizeLimit>(static_cast<rlim_t>(c.nLimit));
            file.Begin(2, 31250, 12);
            try {
                for (int i = 0; i < 12; ++i)
                    file.WriteBlock(block.data(), nBlockBytes);
            } catch (const CFileException&) {
                bWriteFailed = true;
            }
            try {
                file.Finish(kNames);
            } catch (const CFileException&) {
                bFinishFailed = true;
            }
        }
        EXPECT_EQ(bWriteFailed, c.nLimit != 0);
        EXPECT_EQ(bFinishFailed, !c.bTrailer) << "a lost trailer is still reported";
        EXPECT_EQ(file.BlocksWritten(), c.nWholeBlocks);
        EXPECT_EQ(file.TrailerWritten(), c.bTrailer);

        const auto bytes = Slurp(strPath.toStdString());
        const unsigned nData = static_cast<unsigned>(c.nWholeBlocks * nBlockBytes);
        ASSERT_EQ(bytes.size(), 44 + nData + (c.bTrailer ? kTrailer : 0));
        EXPECT_EQ(Le32(bytes, 40), nData);
        EXPECT_EQ(Le32(bytes, 4), 36 + nData);
        EXPECT_EQ(bytes[22], 2);
        if (c.bTrailer) {
            EXPECT_EQ(std::string(bytes.end() - kTrailer, bytes.end()),
                      std::string("Mic1\0Mic2\0Mic3\0Mic4\0Mic5\0Mic6\0", kTrailer));
        }
    }
}

TEST(RecordingFile, CannotCreateIsReportedWithoutRaising)
{
    CRecordingFile file;
    EXPECT_FALSE(file.Open("/nonexistent-dir/x.wav"));
    EXPECT_NO_THROW(file.Finish(kNames));
}

// The longest six-channel run declares 562495488 data bytes; a 32-bit product of channels,
// frames and bits would wrap for it.
TEST(RecordingFile, LongestSixChannelRunDeclaresItsSize)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath("long.wav");
    CRecordingFile file;
    ASSERT_TRUE(file.Open(strPath));
    file.Begin(6, 31250, 183104);
    const auto bytes = Slurp(strPath.toStdString());
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ(Le32(bytes, 40), 183104u * 256 * 12);
    EXPECT_EQ(Le32(bytes, 4), 36 + 183104u * 256 * 12);
}
