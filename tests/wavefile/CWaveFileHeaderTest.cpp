#include "wavefile/CWaveFile.h"
#include "tests/wavefile/RecordingWriter.h"
#include "tests/wavefile/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace testfiles;

namespace {

Bytes HeaderBytes(std::uint32_t riffSize, std::uint16_t channels, std::uint32_t rate,
                  std::uint32_t byteRate, std::uint16_t align, std::uint32_t dataSize)
{
    Builder b;
    b.Text("RIFF").U32(riffSize).Text("WAVE").Text("fmt ").U32(16).U16(1).U16(channels);
    b.U32(rate).U32(byteRate).U16(align).U16(16).Text("data").U32(dataSize);
    return b.bytes;
}

}  // namespace

TEST(CWaveFileHeaderTest, HeaderWrittenRightAfterConstruction)
{
    TempDir dir;
    const std::string strPath = dir.File("h.wav");
    CWaveFile wave;
    ASSERT_TRUE(wave.Open(strPath));
    EXPECT_EQ(wave.WriteHeader(), 0);
    EXPECT_EQ(wave.GetPosition(), 44u);
    EXPECT_EQ(wave.Close(), 0);
    EXPECT_EQ(ReadAll(strPath), HeaderBytes(0, 1, 1000, 2000, 2, 0));
    EXPECT_EQ(wave.GetFrames(), 0u);
    EXPECT_EQ(wave.GetChannelChunkPos() | wave.GetMarkChunkPos() | wave.GetUserMarkChunkPos(), 0u);
}

TEST(CWaveFileHeaderTest, SetFormatDerivesSizesWithoutWrapping)
{
    struct Case {
        WORD wChannels;
        DWORD dwRate;
        WORD wBits;
        DWORD dwFrames;
        DWORD dwByteRate;
        WORD wAlign;
        DWORD dwDataSize;
        DWORD dwRiffSize;
    } cases[] = {
        {6, 31250, 16, 256, 375000, 12, 3072, 3108},
        {1, 31250, 16, 0, 62500, 2, 0, 36},
        {2, 31250, 16, 1220 * 256, 125000, 4, 1249280, 1249316},
        {6, 31250, 24, 10, 562500, 18, 180, 216},
        // The longest six-channel recording: the product exceeds 32 bits before the shift.
        {6, 31250, 16, 183104 * 256, 375000, 12, 562495488, 562495524},
        {3, 31250, 16, 0x20000001u, 187500, 6, 0xC0000006u, 0xC000002Au},
        // Sizes the fields cannot hold are stored as the largest they can.
        {2, 0x80000000u, 16, 1, 0xFFFFFFFFu, 4, 4, 40},
        {6, 31250, 16, 0xFFFFFFFFu, 375000, 12, 0xFFFFFFFFu - 36, 0xFFFFFFFFu},
        {1, 31250, 4, 3, 15625, 0, 1, 37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wChannels << "ch " << c.dwFrames << " frames");
        CWaveFile wave;
        EXPECT_EQ(wave.SetFormat(c.wChannels, c.dwRate, c.wBits, c.dwFrames), 0);
        EXPECT_EQ(wave.GetByteRate(), c.dwByteRate);
        EXPECT_EQ(wave.GetBlockAlign(), c.wAlign);
        EXPECT_EQ(wave.GetDataSize(), c.dwDataSize);
        EXPECT_EQ(wave.GetRiffSize(), c.dwRiffSize);
        EXPECT_EQ(wave.GetFrames(), c.dwFrames);
    }
}

TEST(CWaveFileHeaderTest, RecordingStoppedAfterOneBlockWithDefaultNames)
{
    TempDir dir;
    const std::string strPath = dir.File("r.wav");
    WriteRecording(strPath, 2, 1220, 1);
    const Bytes bytes = ReadAll(strPath);
    ASSERT_EQ(bytes.size(), 1098u);
    Bytes header(bytes.begin(), bytes.begin() + 44);
    EXPECT_EQ(header, HeaderBytes(1060, 2, 31250, 125000, 4, 1024));
    const std::string strTrailer(bytes.end() - 30, bytes.end());
    EXPECT_EQ(strTrailer, std::string("Mic1\0Mic2\0Mic3\0Mic4\0Mic5\0Mic6\0", 30));
    EXPECT_EQ(Le16(bytes, 44), static_cast<std::uint16_t>(SampleAt(0, 0)));
    EXPECT_EQ(Le16(bytes, 46), static_cast<std::uint16_t>(SampleAt(0, 1)));
}

TEST(CWaveFileHeaderTest, SixEmptyNamesEndTheFileWithSixZeroBytes)
{
    TempDir dir;
    const std::string strPath = dir.File("e.wav");
    WriteRecording(strPath, 1, 2, 2, SignalNames{});
    const Bytes bytes = ReadAll(strPath);
    ASSERT_EQ(bytes.size(), 44u + 1024 + 6);
    EXPECT_EQ(Bytes(bytes.end() - 6, bytes.end()), Bytes(6, 0));
    EXPECT_NE(bytes[bytes.size() - 7], 0u);  // a sample byte of this fixture
}

TEST(CWaveFileHeaderTest, SeekDataPositionsAtTheFirstSampleByte)
{
    TempDir dir;
    CWaveFile wave;
    ASSERT_TRUE(wave.Open(dir.File("s.wav")));
    wave.SeekData(0);
    EXPECT_EQ(wave.GetPosition(), 44u);
    wave.SeekData(1000);
    EXPECT_EQ(wave.GetPosition(), 1044u);
}

TEST(CWaveFileHeaderTest, ReadHeaderLoadsTheImageAndFrameCount)
{
    TempDir dir;
    const std::string strPath = dir.File("r.wav");
    WriteRecording(strPath, 6, 4, 3);
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenRead(strPath));
    EXPECT_EQ(wave.ReadHeader(), 0);
    EXPECT_EQ(wave.GetRiffId(), 0x46464952u);
    EXPECT_EQ(wave.GetChannels(), 6);
    EXPECT_EQ(wave.GetSampleRate(), 31250u);
    EXPECT_EQ(wave.GetDataSize(), 3u * 3072);
    EXPECT_EQ(wave.GetFrames(), 768u);
    std::int16_t first[2] = {};
    DWORD dwRead = 99;
    wave.SeekData(0);
    wave.Read(first, 4, &dwRead);
    EXPECT_EQ(dwRead, 4u);
    EXPECT_EQ(first[1], SampleAt(0, 1));
    // Read reports the bytes that arrived at the end of the file.
    char tail[64];
    wave.SeekData(3 * 3072 + 20);
    wave.Read(tail, sizeof tail, &dwRead);
    EXPECT_EQ(dwRead, 10u);
}

TEST(CWaveFileHeaderTest, ReadHeaderOnOddHeaders)
{
    struct Case {
        const char* pszName;
        Bytes bytes;
        int nResult;
        DWORD dwFrames;
    } cases[] = {
        // channels x bits / 8 == 0 gives no frames rather than a division by zero
        {"no channels", HeaderBytes(36 + 512, 0, 31250, 0, 0, 512), 0, 0},
        {"4-bit mono", [] {
             Bytes b = HeaderBytes(36 + 512, 1, 31250, 0, 0, 512);
             b[34] = 4;
             return b;
         }(), 0, 0},
        {"cut inside the header", [] {
             Bytes b = HeaderBytes(1060, 2, 31250, 125000, 4, 1024);
             b.resize(43);  // the three low bytes of the data size arrive
             return b;
         }(), 1, 256},
        {"empty file", Bytes{}, 1, 0},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        WriteAll(dir.File("h.wav"), c.bytes);
        CWaveFile wave;
        ASSERT_TRUE(wave.OpenRead(dir.File("h.wav")));
        EXPECT_EQ(wave.ReadHeader(), c.nResult);
        EXPECT_EQ(wave.GetFrames(), c.dwFrames);
    }
}

TEST(CWaveFileHeaderTest, HeaderCutShortKeepsTheFieldsNotReached)
{
    TempDir dir;
    const Bytes full = HeaderBytes(1060, 2, 31250, 125000, 4, 1024);
    WriteAll(dir.File("cut.wav"), Bytes(full.begin(), full.begin() + 23));  // inside channels
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenRead(dir.File("cut.wav")));
    EXPECT_EQ(wave.ReadHeader(), 1);
    EXPECT_EQ(wave.GetRiffSize(), 1060u);
    EXPECT_EQ(wave.GetChannels(), 2);      // low byte arrived, high byte kept
    EXPECT_EQ(wave.GetSampleRate(), 1000u);  // not reached
    EXPECT_EQ(wave.GetDataSize(), 0u);
}

TEST(CWaveFileHeaderTest, FullDiskReachesTheCallerAsFileException)
{
    CWaveFile wave;
    ASSERT_TRUE(wave.Open("/dev/full"));
    wave.SetFormat(2, 31250, 16, 256);
    try {
        wave.WriteHeader();
        FAIL() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::diskFull);
        EXPECT_EQ(e.m_lOsError, ENOSPC);
    }
    EXPECT_THROW(wave.Write("ab", 2), CFileException);
}

TEST(CWaveFileHeaderTest, ClosedFileRaisesInsteadOfCrashing)
{
    CWaveFile wave;
    EXPECT_THROW(wave.WriteHeader(), CFileException);
    EXPECT_THROW(wave.ReadHeader(), CFileException);
    EXPECT_EQ(wave.Close(), 0);
    EXPECT_FALSE(wave.Open("/nonexistent-dir/x.wav"));
    EXPECT_FALSE(wave.OpenRead("/nonexistent-dir/x.wav"));
}

TEST(CWaveFileHeaderTest, SecondRecordingIntoTheSameFileIsRefused)
{
    TempDir dir;
    const std::string strPath = dir.File("busy.wav");
    CWaveFile first;
    ASSERT_TRUE(first.Open(strPath));
    first.SetFormat(1, 31250, 16, 256);
    first.WriteHeader();

    CWaveFile second;
    EXPECT_FALSE(second.Open(strPath));
    EXPECT_FALSE(second.OpenRead(strPath));
    EXPECT_EQ(ReadAll(strPath).size(), 44u);  // not truncated by the refused open
}

TEST(CWaveFileHeaderTest, DestructorClosesWithoutRewritingTheHeader)
{
    TempDir dir;
    const std::string strPath = dir.File("abort.wav");
    {
        CWaveFile wave;
        ASSERT_TRUE(wave.Open(strPath));
        wave.SetFormat(2, 31250, 16, 1220 * 256);
        wave.WriteHeader();
        wave.SeekData(0);
        const Bytes block(1024, 3);
        wave.Write(block.data(), 1024);
        wave.SetFormat(2, 31250, 16, 256);  // never written
    }
    const Bytes bytes = ReadAll(strPath);
    EXPECT_EQ(bytes.size(), 44u + 1024);
    EXPECT_EQ(Le32(bytes, 40), 1220u * 1024);
    CWaveFile again;
    EXPECT_TRUE(again.Open(strPath));
}

TEST(CWaveFileHeaderTest, ReopenAfterCloseKeepsTheFormat)
{
    TempDir dir;
    CWaveFile wave;
    ASSERT_TRUE(wave.Open(dir.File("1.wav")));
    wave.SetFormat(3, 31250, 16, 256);
    wave.Close();
    ASSERT_TRUE(wave.Open(dir.File("2.wav")));
    wave.WriteHeader();
    wave.Close();
    EXPECT_EQ(Le16(ReadAll(dir.File("2.wav")), 22), 3);
}
