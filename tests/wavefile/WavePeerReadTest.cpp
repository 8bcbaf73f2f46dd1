// Files written here must read back exactly in an independent WAV reader.
#include "wavefile/CWaveFile.h"
#include "tests/wavefile/RecordingWriter.h"
#include "tests/wavefile/TestFiles.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <memory>

using namespace testfiles;

namespace {

struct PeerFile {
    SF_INFO info{};
    std::vector<std::int16_t> samples;
    bool bOpened = false;
};

PeerFile ReadWithPeer(const std::string& strPath)
{
    PeerFile peer;
    std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(sf_open(strPath.c_str(), SFM_READ, &peer.info),
                                                      sf_close);
    if (!file)
        return peer;
    peer.bOpened = true;
    peer.samples.resize(static_cast<std::size_t>(peer.info.frames * peer.info.channels));
    const sf_count_t nRead = sf_readf_short(file.get(), peer.samples.data(), peer.info.frames);
    peer.samples.resize(static_cast<std::size_t>(nRead * peer.info.channels));
    return peer;
}

void ExpectSamplesAgree(const PeerFile& peer, WORD wChannels, DWORD dwFrames)
{
    ASSERT_TRUE(peer.bOpened) << sf_strerror(nullptr);
    EXPECT_EQ(peer.info.channels, wChannels);
    EXPECT_EQ(peer.info.samplerate, 31250);
    EXPECT_EQ(peer.info.frames, dwFrames);
    EXPECT_EQ(peer.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    ASSERT_EQ(peer.samples.size(), std::size_t(dwFrames) * wChannels);
    int nMismatches = 0;
    for (DWORD f = 0; f < dwFrames; ++f)
        for (unsigned c = 0; c < wChannels; ++c)
            if (peer.samples[f * wChannels + c] != SampleAt(f, c) && ++nMismatches < 5)
                ADD_FAILURE() << "frame " << f << " channel " << c;
    EXPECT_EQ(nMismatches, 0);
}

}  // namespace

TEST(WavePeerReadTest, RecordingsReadBackWithEverySample)
{
    struct Case {
        WORD wChannels;
        DWORD dwPlanned;
        DWORD dwWritten;
        SignalNames names;
    } cases[] = {
        {1, 4, 4, kDefaultNames},
        {2, 1220, 1, kDefaultNames},  // stopped early, header rewritten
        {3, 10, 7, SignalNames{}},
        {6, 122, 122, SignalNames{"Front left", "", "x", "Pressure probe 2", "Mic5", "M"}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wChannels << " channels, " << c.dwWritten << " blocks");
        const std::string strPath = dir.File("peer.wav");
        WriteRecording(strPath, c.wChannels, c.dwPlanned, c.dwWritten, c.names);
        ExpectSamplesAgree(ReadWithPeer(strPath), c.wChannels, c.dwWritten * 256);
    }
}

TEST(WavePeerReadTest, FileWithExtensionChunksAfterTheSamplesReadsBack)
{
    TempDir dir;
    const std::string strPath = dir.File("chunks.wav");
    {
        CWaveFile wave;
        ASSERT_TRUE(wave.Open(strPath));
        wave.SetFormat(2, 31250, 16, 512);
        wave.WriteHeader();
        wave.SeekData(0);
        std::vector<std::int16_t> frames(512 * 2);
        for (DWORD f = 0; f < 512; ++f)
            for (unsigned c = 0; c < 2; ++c)
                frames[f * 2 + c] = SampleAt(f, c);
        wave.Write(frames.data(), static_cast<DWORD>(frames.size() * 2));
        wave.WriteChannelChunk(1, 1.0, 2.0, 3.0, 4, 5, "left");
        wave.WriteMarkChunk(100, 200, "odd");
    }
    ExpectSamplesAgree(ReadWithPeer(strPath), 2, 512);
}
