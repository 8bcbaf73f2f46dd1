// Recording runs against the simulated box on its virtual clock: the file, the ways a run
// ends, the form's states and the hand-over to the GUI thread.
#include "FakeHost.h"
#include "SimBoxFixture.h"

#include "acquisition/CAcquisition.h"
#include "res/Resource.h"
#include "acquisition/SensorConversions.h"
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/sim/SimulatedBox.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sndfile.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fstream>
#include <csignal>
#include <iterator>
#include <sys/resource.h>
#include <thread>
#include <vector>

using namespace acq;
using namespace res;

namespace {

const std::string kDefaultTrailer("Mic1\0Mic2\0Mic3\0Mic4\0Mic5\0Mic6\0", 30);

std::string Slurp(const QString& strPath)
{
    std::ifstream in(strPath.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put16(std::string& s, unsigned v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, unsigned v)
{
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

// The file a run of nBlocks blocks of the inputs in nMask must leave, byte for byte.
std::string ExpectedFile(int nMask, int nBlocks, const std::string& strTrailer = kDefaultTrailer)
{
    std::vector<int> bits;
    for (int b = 0; b < 6; ++b)
        if (nMask & (1 << b))
            bits.push_back(b);
    const unsigned n = static_cast<unsigned>(bits.size());
    const unsigned nData = static_cast<unsigned>(nBlocks) * 256 * 2 * n;
    std::string s = "RIFF";
    Put32(s, 36 + nData);
    s += "WAVEfmt ";
    Put32(s, 16);
    Put16(s, 1);
    Put16(s, n);
    Put32(s, 31250);
    Put32(s, 31250 * 2 * n);
    Put16(s, 2 * n);
    Put16(s, 16);
    s += "data";
    Put32(s, nData);
    for (long long f = 0; f < nBlocks * 256LL; ++f)
        for (int b : bits)
            Put16(s, static_cast<unsigned>(sim::SampleValue(b, f)) & 0xFFFF);
    return s + strTrailer;
}

class RecordRun : public SimBoxTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SimBoxTest::SetUp();
    }

    // Mics by caption number, as the operator ticks them.
    static void Tick(CAcquisition& acq, std::initializer_list<int> mics)
    {
        for (BOOL& b : acq.m_bMic)
            b = FALSE;
        for (int nMic : mics)
            acq.m_bMic[6 - nMic] = TRUE;
    }

    // Start, wait for the thread, and let the timer see the end.
    static void RunToEnd(CAcquisition& acq)
    {
        acq.OnStart();
        ASSERT_TRUE(acq.IsRunActive());
        ASSERT_TRUE(acq.WaitForRunEnd(60'000));
        acq.OnTimer();
        ASSERT_FALSE(acq.IsRunActive());
    }

    QString Path(const char* pszName) const { return m_dir.filePath(QString::fromLatin1(pszName)); }

    QTemporaryDir m_dir;
    CFakeHost m_host;
};

}  // namespace

TEST_F(RecordRun, OneSecondTwoChannelsIsExactToTheByte)
{
    CAcquisition acq(m_host);
    Tick(acq, {1, 2});
    acq.m_strOutputFile = Path("one.wav");
    RunToEnd(acq);

    EXPECT_TRUE(m_host.m_messages.isEmpty()) << m_host.m_messages.join("; ").toStdString();
    EXPECT_EQ(acq.m_nChannelMask, 48);
    const std::string strFile = Slurp(acq.m_strOutputFile);
    const std::string strExpected = ExpectedFile(48, 122);
    ASSERT_EQ(strFile.size(), strExpected.size());
    EXPECT_TRUE(strFile == strExpected) << "first difference at byte "
                                        << std::mismatch(strFile.begin(), strFile.end(), strExpected.begin()).first -
                                               strFile.begin();

    // A common reader takes it as 31232 two-channel frames and ignores the names.
    SF_INFO info{};
    SNDFILE* pSnd = sf_open(acq.m_strOutputFile.toStdString().c_str(), SFM_READ, &info);
    ASSERT_NE(pSnd, nullptr) << sf_strerror(nullptr);
    EXPECT_EQ(info.frames, 31232);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.samplerate, 31250);
    sf_close(pSnd);

    const RUNRESULT& run = acq.LastRun();
    EXPECT_TRUE(run.bCompleted);
    EXPECT_EQ(run.nBlocks, 122);
    EXPECT_TRUE(run.bTrailer);
    EXPECT_EQ(sim::Box().BreachCount(), 0);
    EXPECT_FALSE(sim::Box().IsRtsRaised());
    EXPECT_FALSE(sim::Box().IsStreaming());
    EXPECT_FALSE(sim::Box().IsBuzzerOn());
    EXPECT_EQ(m_host.m_nUpper, 122);

    // The last block reached the plot's buffer, the rows beyond N untouched.
    for (int f = 0; f < 256; ++f) {
        ASSERT_EQ(g_dCapture[0][f], sim::SampleValue(4, 121 * 256 + f));
        ASSERT_EQ(g_dCapture[1][f], sim::SampleValue(5, 121 * 256 + f));
    }
    EXPECT_EQ(g_dCapture[2][0], 12345.0);
    EXPECT_GE(m_host.m_nInvalidations, 1);
}

TEST_F(RecordRun, FormStatesAroundARun)
{
    CAcquisition acq(m_host);
    acq.m_strOutputFile = Path("states.wav");
    acq.m_nTime = 15;
    std::atomic<int> nSeenRunning{0};
    acq.SetBlockObserver([&](int nBlock) {
        if (nBlock == 0)
            nSeenRunning = acq.m_bRunning && acq.m_bRecording;
    });
    acq.OnStart();
    for (int nId : {IDC_GO, IDC_TEST_ADC, IDC_START, IDC_SENSOR_SETUP})
        EXPECT_FALSE(m_host.m_enabled[nId]) << nId;
    EXPECT_TRUE(m_host.m_enabled[IDC_STOP]);
    EXPECT_EQ(m_host.m_texts[IDC_SENSOR1], "");
    EXPECT_EQ(m_host.m_nPos, 0);
    EXPECT_EQ(m_host.m_nUpper, 1831) << "the range is not rounded to even";

    ASSERT_TRUE(acq.WaitForRunEnd(60'000));
    EXPECT_TRUE(nSeenRunning);
    EXPECT_FALSE(acq.m_bRunning);
    EXPECT_TRUE(acq.m_bRecording) << "finished, until the timer sees it";
    m_host.m_nPos = 77;
    acq.OnTimer();
    EXPECT_FALSE(acq.m_bRecording);
    for (int nId : {IDC_GO, IDC_TEST_ADC, IDC_START, IDC_SENSOR_SETUP})
        EXPECT_TRUE(m_host.m_enabled[nId]) << nId;
    EXPECT_FALSE(m_host.m_enabled[IDC_STOP]) << "the end of a run disables Stop too";
    EXPECT_EQ(m_host.m_nPos, 0);
    EXPECT_EQ(acq.LastRun().nBlocks, 1830);

    // A "Stop" pressed after the end does not cut the next run short.
    acq.OnStop();
    acq.m_nTime = 1;
    RunToEnd(acq);
    EXPECT_EQ(acq.LastRun().nBlocks, 122);
}

TEST_F(RecordRun, StopDuringBlockTenKeepsElevenBlocks)
{
    CAcquisition acq(m_host);
    Tick(acq, {1, 2});
    acq.m_strOutputFile = Path("stop.wav");
    acq.SetBlockObserver([&](int nBlock) {
        if (nBlock == 10)
            acq.m_bStop = TRUE;  // what "Stop" raises, while block 10 is being read
    });
    RunToEnd(acq);
    EXPECT_TRUE(m_host.m_messages.isEmpty());
    EXPECT_EQ(acq.LastRun().nBlocks, 11);
    EXPECT_TRUE(Slurp(acq.m_strOutputFile) == ExpectedFile(48, 11));
    EXPECT_FALSE(acq.m_bStop);
    EXPECT_EQ(sim::Box().BreachCount(), 0);
    EXPECT_FALSE(sim::Box().IsStreaming());
}

TEST_F(RecordRun, SensorWordsAlternateAndFeedTheStatusAndSeries)
{
    Configure("loop1=20,loop2=4");
    CAcquisition acq(m_host);
    acq.m_strOutputFile = Path("sensors.wav");
    acq.m_nTime = 60;
    acq.m_dSensor1At4mA = 0.0;
    acq.m_dSensor1At20mA = 10.0;
    acq.m_dSensor2At4mA = -50.0;
    acq.m_dSensor2At20mA = 150.0;
    std::atomic<bool> bPaused{false}, bResume{false};
    std::atomic<int> nBefore1{-1}, nBefore2{-1};
    acq.SetBlockObserver([&](int nBlock) {
        if (nBlock == 0) {
            nBefore1 = acq.m_nSensor1Raw.load();
            nBefore2 = acq.m_nSensor2Raw.load();
        }
        if (nBlock == 3662) {
            bPaused = true;
            while (!bResume)
                std::this_thread::yield();
        }
    });
    acq.OnStart();
    while (!bPaused)
        std::this_thread::yield();
    acq.OnTimer();  // the GUI thread's tick while block 3662 is being read
    bResume = true;
    EXPECT_EQ(m_host.m_nPos, 3662);
    EXPECT_EQ(m_host.m_strProgressText, "0:30");
    const unsigned nWord1 = sim::LoopWord(20.0), nWord2 = sim::LoopWord(4.0);
    EXPECT_EQ(m_host.m_texts[IDC_SENSOR1], FormatSensor1(SensorValue(nWord1, 0.0, 10.0)));
    EXPECT_EQ(m_host.m_texts[IDC_SENSOR2], FormatSensor2(SensorValue(nWord2, -50.0, 150.0)));
    EXPECT_EQ(acq.m_strSensor1, "") << "the bound members do not change";

    ASSERT_TRUE(acq.WaitForRunEnd(60'000));
    acq.OnTimer();
    EXPECT_EQ(nBefore1, 0);
    EXPECT_EQ(nBefore2, 0);
    EXPECT_EQ(static_cast<unsigned>(acq.m_nSensor1Raw), nWord1);
    EXPECT_EQ(static_cast<unsigned>(acq.m_nSensor2Raw), nWord2);
    const CSensorSeries& series = acq.LastRun().series;
    ASSERT_EQ(series.Count(1), 256);
    ASSERT_EQ(series.Count(2), 256);
    EXPECT_DOUBLE_EQ(series.Values(1)[255], SensorValue(nWord1, 0.0, 10.0));
    EXPECT_DOUBLE_EQ(series.Values(2)[0], SensorValue(nWord2, -50.0, 150.0));
}

TEST_F(RecordRun, FailuresLeaveAValidOrUntouchedFile)
{
    struct Case {
        const char* pszName;
        const char* pszOptions;
        const char* pszPath;  // relative to the test folder unless absolute
        const char* pszMessage;
        int nBlocks;   // in the file; -1: the file is not touched
        bool bStreamed;
    };
    const Case cases[] = {
        {"stalled box", "stall=5", "stall.wav", "Serial port exception", 5, true},
        {"no box", "absent", "absent.wav", "Can't open communication ports", -1, false},
        {"no such folder", "", "missing/dir/x.wav", "File exception", -1, false},
        {"full device", "", "/dev/full", "File exception", -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        Configure(c.pszOptions);
        CFakeHost host;
        CAcquisition acq(host);
        Tick(acq, {1, 2});
        const QString strPath = c.pszPath[0] == '/' ? QString::fromLatin1(c.pszPath) : Path(c.pszPath);
        acq.m_strOutputFile = strPath;
        const bool bRegular = c.pszPath[0] != '/' && !QString::fromLatin1(c.pszPath).contains('/');
        if (bRegular) {
            std::ofstream(strPath.toStdString(), std::ios::binary) << "precious";
        }
        RunToEnd(acq);
        EXPECT_EQ(host.m_messages, QStringList{c.pszMessage});
        const RUNRESULT& run = acq.LastRun();
        EXPECT_FALSE(run.bCompleted);
        EXPECT_EQ(g_dCapture[0][0], 12345.0) << "a failed run does not replace the plot";
        if (c.nBlocks >= 0) {
            EXPECT_EQ(run.nBlocks, c.nBlocks);
            EXPECT_TRUE(Slurp(strPath) == ExpectedFile(48, c.nBlocks));
        } else if (bRegular) {
            EXPECT_EQ(Slurp(strPath), "precious");
        }
        EXPECT_EQ(sim::Box().StreamsStarted() > 0, c.bStreamed);
        EXPECT_FALSE(sim::Box().IsRtsRaised());
        EXPECT_FALSE(sim::Box().IsChannelOpen(0) || sim::Box().IsChannelOpen(1));
        EXPECT_TRUE(host.m_enabled[IDC_START]) << "the form returns to idle";
    }
}

// A disk that fills during the stream: the box is still there, so its stream, RTS and buzzer
// are ended properly, and the file keeps its whole blocks and the names.
TEST_F(RecordRun, FileFailureMidStreamEndsTheStreamCleanly)
{
    CAcquisition acq(m_host);
    Tick(acq, {1, 2});
    acq.m_bBuzzer = TRUE;
    acq.m_strOutputFile = Path("full.wav");
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lim = old;
    lim.rlim_cur = 44 + 10 * 1024 + 600;  // block 10 is cut short
    setrlimit(RLIMIT_FSIZE, &lim);
    acq.OnStart();
    const bool bEnded = acq.WaitForRunEnd(60'000);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(bEnded);
    acq.OnTimer();

    EXPECT_EQ(m_host.m_messages, QStringList{"File exception"});
    EXPECT_EQ(acq.LastRun().nBlocks, 10);
    EXPECT_FALSE(acq.LastRun().bCompleted);
    EXPECT_TRUE(Slurp(acq.m_strOutputFile) == ExpectedFile(48, 10));
    EXPECT_EQ(g_dCapture[0][0], 12345.0) << "a failed run does not replace the plot";
    EXPECT_FALSE(sim::Box().IsStreaming());
    EXPECT_FALSE(sim::Box().IsRtsRaised());
    EXPECT_FALSE(sim::Box().IsBuzzerOn());
    EXPECT_EQ(sim::Box().BreachCount(), 0);
}

TEST_F(RecordRun, StartRefusesWithoutAThread)
{
    struct Case {
        const char* pszName;
        bool bValid;
        const char* pszOutput;
        bool bAnyMic;
        const char* pszMessage;  // null: none
    };
    const Case cases[] = {
        {"time rejected", false, "x.wav", true, nullptr},
        {"no output file", true, "", true, "No output file specified"},
        {"no microphone", true, "x.wav", false, "No microphone selected"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CFakeHost host;
        host.m_bValid = c.bValid;
        CAcquisition acq(host);
        acq.m_strOutputFile = QString::fromLatin1(c.pszOutput);
        if (!c.bAnyMic)
            Tick(acq, {});
        acq.OnStart();
        EXPECT_FALSE(acq.IsRunActive());
        EXPECT_EQ(host.m_messages, c.pszMessage ? QStringList{c.pszMessage} : QStringList{});
        EXPECT_TRUE(host.m_enabled.empty()) << "the form stays as it was";
        EXPECT_EQ(sim::Box().StreamsStarted(), 0);
    }
}

TEST_F(RecordRun, ShutdownDuringARunFinishesTheFile)
{
    auto pAcq = std::make_unique<CAcquisition>(m_host);
    CAcquisition& acq = *pAcq;
    Tick(acq, {3});
    acq.m_nTime = 1500;
    acq.m_strOutputFile = Path("shutdown.wav");
    std::atomic<bool> bReached{false};
    acq.SetBlockObserver([&](int nBlock) {
        if (nBlock == 20) {
            bReached = true;
            while (!acq.m_bStop)
                std::this_thread::yield();
        }
    });
    acq.OnStart();
    while (!bReached)
        std::this_thread::yield();
    const QString strPath = acq.m_strOutputFile;
    pAcq.reset();  // the owner goes away: stop, wait, file finished
    EXPECT_TRUE(Slurp(strPath) == ExpectedFile(8, 21));
    EXPECT_FALSE(sim::Box().IsStreaming());
    EXPECT_TRUE(m_host.m_messages.isEmpty());
}

TEST_F(RecordRun, ThreeChannelRunHandsItsLastBlockToThePlot)
{
    CAcquisition acq(m_host);
    Tick(acq, {1, 4, 6});  // bits 5, 2, 0
    acq.m_strOutputFile = Path("three.wav");
    for (int k = 0; k < 6; ++k)
        acq.m_strSignalName[k] = k == 2 ? QString() : QStringLiteral("S%1").arg(k);
    RunToEnd(acq);
    const int bits[3] = {0, 2, 5};
    for (int j = 0; j < 3; ++j)
        for (int f = 0; f < 256; ++f)
            ASSERT_EQ(g_dCapture[j][f], sim::SampleValue(bits[j], 121 * 256 + f)) << j << " " << f;
    EXPECT_EQ(g_dCapture[3][0], 12345.0);
    EXPECT_TRUE(Slurp(acq.m_strOutputFile) == ExpectedFile(37, 122, std::string("S0\0S1\0\0S3\0S4\0S5\0", 16)));
}
