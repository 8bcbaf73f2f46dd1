#include "wavefile/CWaveFile.h"
#include "tests/wavefile/RecordingWriter.h"
#include "tests/wavefile/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace testfiles;

namespace {

struct Mark {
    int nInt1 = -1;
    int nInt2 = -1;
    char szText[257] = {};
};

// A one-block mono file (RIFF size 548) whose samples are followed directly by the chunks
// the callback writes. A signal-name trailer there would hide them from the search.
template <class F>
std::string RecordingWithChunks(const TempDir& dir, F&& writeChunks)
{
    const std::string strPath = dir.File("chunks.wav");
    CWaveFile wave;
    if (!wave.Open(strPath))
        throw std::runtime_error("open");
    wave.SetFormat(1, 31250, 16, 256);
    wave.WriteHeader();
    wave.SeekData(0);
    const Bytes block(512, 0x55);
    wave.Write(block.data(), 512);
    writeChunks(wave);
    wave.Close();
    return strPath;
}

}  // namespace

TEST(CWaveFileChunkTest, WritersLayOutChunksWithoutPadOrTerminator)
{
    TempDir dir;
    const std::string strPath = dir.File("c.bin");
    {
        CWaveFile wave;
        ASSERT_TRUE(wave.Open(strPath));
        wave.WriteMarkChunk(7, -2, "abc");  // odd size 11, no pad after it
        wave.WriteChannelChunk(1, 0.5, -1.25, 3e9, 2, 3, "Mic1");
        const int values[3] = {10, 20, 30};
        wave.WriteUserMarkChunk(3, 9, values, "u");
        wave.WriteMarkChunk(0, 0, std::string(300, 'x').c_str());
        wave.WriteMarkChunk(0, 0, nullptr);
    }
    const Bytes b = ReadAll(strPath);
    ASSERT_EQ(b.size(), 19u + 48 + 29 + 272 + 16);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "mark");
    EXPECT_EQ(Le32(b, 4), 11u);
    EXPECT_EQ(Le32(b, 12), 0xFFFFFFFEu);
    EXPECT_EQ(std::string(b.begin() + 16, b.begin() + 23), "abcchn ");
    EXPECT_EQ(Le32(b, 23), 40u);
    double d;
    std::memcpy(&d, &b[19 + 20], 8);
    EXPECT_EQ(d, -1.25);
    EXPECT_EQ(std::string(b.begin() + 19 + 44, b.begin() + 67), "Mic1");
    EXPECT_EQ(std::string(b.begin() + 67, b.begin() + 71), "umrk");
    EXPECT_EQ(Le32(b, 71), 8u + 12 + 1);
    EXPECT_EQ(Le32(b, 75), 3u);
    EXPECT_EQ(Le32(b, 91), 30u);
    EXPECT_EQ(b[95], 'u');
    EXPECT_EQ(Le32(b, 96 + 4), 8u + 256);  // 300 characters stored as 256
    EXPECT_EQ(Le32(b, 368 + 4), 8u);
}

TEST(CWaveFileChunkTest, ReadersFindEachKindInFileOrderSkippingOthers)
{
    TempDir dir;
    const std::string strPath = RecordingWithChunks(dir, [](CWaveFile& w) {
        w.WriteMarkChunk(1, 2, "first");
        w.WriteChannelChunk(5, 1.5, 2.5, 3.5, 6, 7, "odd");
        const int value = 42;
        w.WriteUserMarkChunk(1, 8, &value, "user");
        w.WriteMarkChunk(3, 4, std::string(300, 'y').c_str());
    });
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenRead(strPath));
    ASSERT_EQ(wave.ReadHeader(), 0);
    EXPECT_EQ(wave.RewindMarkChunks(), 0);
    EXPECT_EQ(wave.GetMarkChunkPos(), 548u + 8);

    Mark m;
    ASSERT_EQ(wave.ReadMarkChunk(m.nInt1, m.nInt2, m.szText), 0);
    EXPECT_EQ(m.nInt1, 1);
    EXPECT_EQ(m.nInt2, 2);
    EXPECT_STREQ(m.szText, "first");
    ASSERT_EQ(wave.ReadMarkChunk(m.nInt1, m.nInt2, m.szText), 0);
    EXPECT_EQ(m.nInt1, 3);
    EXPECT_EQ(std::string(m.szText), std::string(256, 'y'));
    const DWORD dwAfter = wave.GetMarkChunkPos();
    EXPECT_EQ(dwAfter, wave.GetLength());
    EXPECT_EQ(wave.ReadMarkChunk(m.nInt1, m.nInt2, m.szText), 1);
    EXPECT_EQ(wave.GetMarkChunkPos(), dwAfter);

    wave.RewindChannelChunks();
    int n1 = 0, n2 = 0, n3 = 0;
    double d1 = 0, d2 = 0, d3 = 0;
    char szName[257];
    ASSERT_EQ(wave.ReadChannelChunk(n1, d1, d2, d3, n2, n3, szName), 0);
    EXPECT_EQ(n1, 5);
    EXPECT_EQ(d3, 3.5);
    EXPECT_EQ(n3, 7);
    EXPECT_STREQ(szName, "odd");

    wave.RewindUserMarkChunks();
    DWORD dwCount = 0;
    int nValue = 0;
    ASSERT_EQ(wave.ReadUserMarkChunk(dwCount, n1, nValue, szName), 0);
    EXPECT_EQ(dwCount, 1u);
    EXPECT_EQ(n1, 8);
    EXPECT_EQ(nValue, 42);
    EXPECT_STREQ(szName, "user");
    EXPECT_EQ(wave.ReadUserMarkChunk(dwCount, n1, nValue, szName), 1);
}

TEST(CWaveFileChunkTest, SearchWithoutRewindStartsAtTheRiffHeader)
{
    TempDir dir;
    const std::string strPath =
        RecordingWithChunks(dir, [](CWaveFile& w) { w.WriteMarkChunk(11, 12, "m"); });
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenRead(strPath));
    Mark m;
    // "RIFF" with its size carries the search past the samples and the names.
    ASSERT_EQ(wave.ReadMarkChunk(m.nInt1, m.nInt2, m.szText), 0);
    EXPECT_EQ(m.nInt1, 11);
}

TEST(CWaveFileChunkTest, NoChunkOfTheKindLeavesTheSearchPositionUnchanged)
{
    TempDir dir;
    const std::string strPath = dir.File("plain.wav");
    WriteRecording(strPath, 2, 1, 1);
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenRead(strPath));
    wave.ReadHeader();
    wave.RewindMarkChunks();
    Mark m;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(wave.ReadMarkChunk(m.nInt1, m.nInt2, m.szText), 1);
        EXPECT_EQ(wave.GetMarkChunkPos(), 1068u);
    }
}

TEST(CWaveFileChunkTest, UserMarkTextIsReadAfterAllTheValues)
{
    TempDir dir;
    const int values[3] = {-1, -2, -3};
    const std::string strPath = RecordingWithChunks(dir, [&](CWaveFile& w) {
        w.WriteUserMarkChunk(3, 1, values, "three");
        w.WriteUserMarkChunk(0, 2, nullptr, "none");
        w.WriteUserMarkChunk(1, 3, values, "one");
    });
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenRead(strPath));
    wave.ReadHeader();
    wave.RewindUserMarkChunks();
    struct Expected {
        DWORD dwCount;
        int nInt1;
        int nValue;
        const char* pszText;
    } expected[] = {{3, 1, -1, "three"}, {0, 2, 0, "none"}, {1, 3, -1, "one"}};
    for (const Expected& e : expected) {
        DWORD dwCount = 99;
        int nInt1 = 0, nValue = 99;
        char szText[257];
        ASSERT_EQ(wave.ReadUserMarkChunk(dwCount, nInt1, nValue, szText), 0) << e.pszText;
        EXPECT_EQ(dwCount, e.dwCount);
        EXPECT_EQ(nInt1, e.nInt1);
        EXPECT_EQ(nValue, e.nValue);
        EXPECT_STREQ(szText, e.pszText);
    }
}

// Hand-made files after a header whose RIFF size is 4 (chunks start at offset 12).
TEST(CWaveFileChunkTest, ReadersStaySafeOnMalformedChunks)
{
    auto head = [] {
        Builder b;
        b.Text("RIFF").U32(4).Text("WAVE");
        return b;
    };
    struct Case {
        const char* pszName;
        Bytes bytes;
        int nResult;
        const char* pszText;  // expected text when found
    } cases[] = {
        {"short chn size gives 256 text bytes",
         [&] {
             Builder b = head();
             b.Text("mark").U32(8).U32(1).U32(2);  // skipped
             b.Text("chn ").U32(20).Zeros(36).Text(std::string(300, 'q'));
             return b.bytes;
         }(),
         0, nullptr},
        {"zero sizes advance by the chunk head",
         [&] {
             Builder b = head();
             for (int i = 0; i < 100; ++i)
                 b.Text("junk").U32(0);
             b.Text("chn ").U32(36 + 2).Zeros(36).Text("ok");
             return b.bytes;
         }(),
         0, "ok"},
        {"size 0xFFFFFFFF jumps past the end",
         [&] {
             Builder b = head();
             b.Text("junk").U32(0xFFFFFFFFu).Text("chn ").U32(40).Zeros(40);
             return b.bytes;
         }(),
         1, nullptr},
        {"text cut by the end of the file",
         [&] {
             Builder b = head();
             b.Text("chn ").U32(36 + 200).Zeros(36).Text("partial");
             return b.bytes;
         }(),
         0, "partial"},
        {"fields cut by the end of the file",
         [&] {
             Builder b = head();
             b.Text("chn ").U32(36).Zeros(10);
             return b.bytes;
         }(),
         0, ""},
        {"identifier cut", [&] { return head().Text("ch").bytes; }(), 1, nullptr},
        {"size cut", [&] { return head().Text("chn ").U16(36).bytes; }(), 1, nullptr},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        WriteAll(dir.File("bad.wav"), c.bytes);
        CWaveFile wave;
        ASSERT_TRUE(wave.OpenRead(dir.File("bad.wav")));
        wave.ReadHeader();
        wave.RewindChannelChunks();
        int n1, n2, n3;
        double d1, d2, d3;
        char szName[257 + 8];
        std::memset(szName, 'Z', sizeof szName);
        EXPECT_EQ(wave.ReadChannelChunk(n1, d1, d2, d3, n2, n3, szName), c.nResult);
        EXPECT_EQ(szName[257], 'Z');  // nothing beyond the 257 bytes promised
        if (c.nResult == 0) {
            EXPECT_EQ(std::string(szName), c.pszText ? c.pszText : std::string(256, 'q'));
        }
        // Whatever happened, a repeated search ends.
        for (int i = 0; i < 3 && wave.ReadChannelChunk(n1, d1, d2, d3, n2, n3, szName) == 0; ++i) {
        }
        EXPECT_EQ(wave.ReadChannelChunk(n1, d1, d2, d3, n2, n3, szName), 1);
    }
}

TEST(CWaveFileChunkTest, RiffSizeNearTheTopDoesNotWrapTheSearch)
{
    Builder b;
    b.Text("RIFF").U32(0xFFFFFFFCu).Text("WAVE").Text("mark").U32(8).U32(1).U32(2);
    TempDir dir;
    WriteAll(dir.File("big.wav"), b.bytes);
    CWaveFile wave;
    ASSERT_TRUE(wave.OpenRead(dir.File("big.wav")));
    wave.ReadHeader();
    wave.RewindMarkChunks();
    Mark m;
    EXPECT_EQ(wave.ReadMarkChunk(m.nInt1, m.nInt2, m.szText), 1);
}
