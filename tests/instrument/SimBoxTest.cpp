// The simulated box at the driver table, below the port object: what each channel carries,
// when bytes arrive on the box's clock, and what it logs as a breach.
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/sim/SimulatedBox.h"
#include "platform/Sleep.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

using namespace d2xx;
using sim::BREACHKIND;

namespace {

constexpr std::int64_t kBlockUs = 8192;
constexpr std::int64_t kTimeoutUs = 2'000'000;

class SimBoxTest : public ::testing::Test {
public:
    void SetUp() override
    {
        std::string error;
        m_pApi = SimulatedBoxTable("", error);
        ASSERT_NE(m_pApi, nullptr) << error;
        Configure("");
    }
    void TearDown() override { sim::Box().Reset(sim::SIMOPTIONS(), false); }

    void Configure(const std::string& strOptions, bool bVirtual = true)
    {
        std::string error;
        ASSERT_TRUE(sim::Box().Reset(strOptions, bVirtual, error)) << error;
    }

    FT_HANDLE OpenChannel(int nIndex)
    {
        FT_HANDLE h = nullptr;
        EXPECT_EQ(m_pApi->pfnOpen(nIndex, &h), FT_OK);
        return h;
    }

    void Send(FT_HANDLE h, const std::string& strBytes)
    {
        std::uint32_t nWritten = 0;
        std::string strCopy = strBytes;
        ASSERT_EQ(m_pApi->pfnWrite(h, strCopy.data(), static_cast<std::uint32_t>(strCopy.size()), &nWritten), FT_OK);
        ASSERT_EQ(nWritten, strBytes.size());
    }

    std::vector<std::uint8_t> Read(FT_HANDLE h, std::uint32_t nCount)
    {
        std::vector<std::uint8_t> vec(nCount);
        std::uint32_t nRead = 0;
        EXPECT_EQ(m_pApi->pfnRead(h, vec.data(), nCount, &nRead), FT_OK);
        vec.resize(nRead);
        return vec;
    }

    std::uint32_t Queued(FT_HANDLE h)
    {
        std::uint32_t n = 0;
        EXPECT_EQ(m_pApi->pfnGetQueueStatus(h, &n), FT_OK);
        return n;
    }

    // Both channels open, RTS up, mask 63, 'S' sent and its five answers read.
    void StartStream(FT_HANDLE& cmd, FT_HANDLE& data, const std::string& strMask = "\x3f")
    {
        cmd = OpenChannel(0);
        data = OpenChannel(1);
        ASSERT_EQ(m_pApi->pfnSetRts(data), FT_OK);
        Send(cmd, "!M" + strMask + "!S");
        ASSERT_EQ(Read(data, 5).size(), 5u);
    }

    static std::int64_t Now() { return sim::Box().Clock().Now(); }

    const D2XX_API* m_pApi = nullptr;
};

TEST_F(SimBoxTest, ListsTwoChannelsThatOpenByIndexDescriptionOrSerialOnce)
{
    std::uint32_t nCount = 0;
    ASSERT_EQ(m_pApi->pfnCreateDeviceInfoList(&nCount), FT_OK);
    EXPECT_EQ(nCount, 2u);

    char szSerial[16], szDescription[64];
    std::uint32_t nFlags, nType, nId, nLoc;
    FT_HANDLE hInfo;
    ASSERT_EQ(m_pApi->pfnGetDeviceInfoDetail(1, &nFlags, &nType, &nId, &nLoc, szSerial, szDescription, &hInfo), FT_OK);
    EXPECT_STREQ(szDescription, "Vadel Sim B");
    EXPECT_STREQ(szSerial, "VDL0001B");
    EXPECT_EQ(m_pApi->pfnGetDeviceInfoDetail(2, &nFlags, &nType, &nId, &nLoc, szSerial, szDescription, &hInfo),
              FT_DEVICE_NOT_FOUND);

    FT_HANDLE hData = nullptr, hCmd = nullptr, hAgain = nullptr;
    char szDesc[] = "Vadel Sim B", szSer[] = "VDL0001A", szNone[] = "Nothing";
    ASSERT_EQ(m_pApi->pfnOpenEx(szDesc, FT_OPEN_BY_DESCRIPTION, &hData), FT_OK);
    EXPECT_TRUE(sim::Box().IsChannelOpen(1));
    ASSERT_EQ(m_pApi->pfnOpenEx(szSer, FT_OPEN_BY_SERIAL_NUMBER, &hCmd), FT_OK);
    EXPECT_TRUE(sim::Box().IsChannelOpen(0));
    EXPECT_EQ(m_pApi->pfnOpenEx(szNone, FT_OPEN_BY_DESCRIPTION, &hAgain), FT_DEVICE_NOT_FOUND);
    EXPECT_NE(m_pApi->pfnOpen(0, &hAgain), FT_OK);  // one owner per channel
    EXPECT_EQ(m_pApi->pfnOpen(2, &hAgain), FT_DEVICE_NOT_FOUND);

    EXPECT_EQ(m_pApi->pfnSetBaudRate(hCmd, 6000000), FT_OK);
    EXPECT_EQ(sim::Box().BaudRate(0), 6000000u);
    ASSERT_EQ(m_pApi->pfnClose(hCmd), FT_OK);
    EXPECT_EQ(m_pApi->pfnClose(hCmd), FT_INVALID_HANDLE);
    EXPECT_EQ(m_pApi->pfnPurge(hCmd, FT_PURGE_RX), FT_INVALID_HANDLE);

    // A reset is a power cycle: old handles are dead, even if their slot is reused.
    Configure("");
    const FT_HANDLE hNew = OpenChannel(1);
    EXPECT_EQ(m_pApi->pfnSetRts(hData), FT_INVALID_HANDLE);
    EXPECT_EQ(m_pApi->pfnSetRts(hNew), FT_OK);
}

TEST_F(SimBoxTest, AbsentBoxHasNoChannels)
{
    Configure("absent");
    std::uint32_t nCount = 99;
    EXPECT_EQ(m_pApi->pfnCreateDeviceInfoList(&nCount), FT_OK);
    EXPECT_EQ(nCount, 0u);
    for (std::uint32_t i : {0u, 1u}) {
        std::uint32_t nFlags, nType, nId, nLoc;
        char szSerial[16], szDescription[64];
        FT_HANDLE h = nullptr;
        EXPECT_NE(m_pApi->pfnGetDeviceInfoDetail(i, &nFlags, &nType, &nId, &nLoc, szSerial, szDescription, &h), FT_OK);
        EXPECT_NE(m_pApi->pfnOpen(static_cast<int>(i), &h), FT_OK);
    }
}

TEST_F(SimBoxTest, EveryByteIsAnsweredAndQueriesReturnTheirReadingWord)
{
    struct CASE {
        const char* pszOptions;
        char chCommand;
        std::uint16_t wExpected;
    };
    const CASE cases[] = {
        {"", '1', 32363},           {"", '2', 21576},
        {"", 'T', 22857},           {"loop1=20", '1', sim::LoopWord(20)},
        {"loop2=4", '2', sim::LoopWord(4)}, {"temp=-5", 'T', sim::BoardTempWord(-5)},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(std::string(c.pszOptions) + " " + c.chCommand);
        Configure(c.pszOptions);
        const FT_HANDLE cmd = OpenChannel(0), data = OpenChannel(1);
        Send(cmd, std::string("!") + c.chCommand);
        EXPECT_EQ(Queued(data), 4u);
        const auto vec = Read(data, 4);
        ASSERT_EQ(vec.size(), 4u);
        EXPECT_EQ(vec[2] << 8 | vec[3], c.wExpected);
        EXPECT_EQ(sim::Box().BreachCount(), 0);
    }
}

TEST_F(SimBoxTest, LogsEveryBreachOfTheProtocol)
{
    struct CASE {
        const char* pszWhat;
        void (*act)(SimBoxTest&, FT_HANDLE, FT_HANDLE);
        BREACHKIND nKind;
    };
    const CASE cases[] = {
        {"write on data", [](SimBoxTest& t, FT_HANDLE, FT_HANDLE data) { t.Send(data, "!"); },
         BREACHKIND::DataChannelWrite},
        {"read on command", [](SimBoxTest& t, FT_HANDLE cmd, FT_HANDLE) { t.Read(cmd, 1); },
         BREACHKIND::CommandChannelRead},
        {"no prefix", [](SimBoxTest& t, FT_HANDLE cmd, FT_HANDLE) { t.Send(cmd, "T"); }, BREACHKIND::MissingPrefix},
        {"unknown", [](SimBoxTest& t, FT_HANDLE cmd, FT_HANDLE) { t.Send(cmd, "!x"); }, BREACHKIND::UnknownCommand},
        {"in stream", [](SimBoxTest& t, FT_HANDLE cmd, FT_HANDLE) { t.Send(cmd, "!S!1"); },
         BREACHKIND::CommandDuringStream},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        Configure("");
        const FT_HANDLE cmd = OpenChannel(0), data = OpenChannel(1);
        c.act(*this, cmd, data);
        const auto breaches = sim::Box().Breaches();
        ASSERT_GE(breaches.size(), 1u);
        EXPECT_EQ(breaches[0].nKind, c.nKind);
        EXPECT_FALSE(breaches[0].strText.empty());
    }

    // A mask equal to ESC or '!' is a parameter, not a stop or a prefix.
    Configure("");
    const FT_HANDLE cmd = OpenChannel(0), data = OpenChannel(1);
    Send(cmd, "!M\x1b!M!!b!B");
    EXPECT_EQ(Read(data, 10).size(), 10u);
    EXPECT_EQ(sim::Box().Mask(), 33);
    EXPECT_TRUE(sim::Box().IsBuzzerOn());
    EXPECT_EQ(sim::Box().BreachCount(), 0);
}

TEST_F(SimBoxTest, StreamIsPacedAtTheBlockRateWhileRtsIsUp)
{
    FT_HANDLE cmd, data;
    StartStream(cmd, data);
    const std::int64_t nStart = Now();
    constexpr std::uint32_t kBlock = 3074;
    for (int b = 0; b < 10; ++b)
        ASSERT_EQ(Read(data, kBlock).size(), kBlock);
    EXPECT_EQ(Now() - nStart, 10 * kBlockUs);
    EXPECT_EQ(sim::Box().BlocksDelivered(), 10);

    ASSERT_EQ(m_pApi->pfnClrRts(data), FT_OK);
    EXPECT_FALSE(sim::Box().IsRtsRaised());
    EXPECT_TRUE(Read(data, kBlock).empty());  // waits the whole read timeout, on the box's clock
    EXPECT_EQ(Now() - nStart, 10 * kBlockUs + kTimeoutUs);
    EXPECT_EQ(Queued(data), 0u);

    ASSERT_EQ(m_pApi->pfnSetRts(data), FT_OK);
    const auto block = Read(data, kBlock);
    ASSERT_EQ(block.size(), kBlock);
    EXPECT_EQ(block[kBlock - 2] << 8 | block[kBlock - 1], 32363);  // block 10 is even: input 1
    EXPECT_EQ(Now() - nStart, 11 * kBlockUs + kTimeoutUs);
}

TEST_F(SimBoxTest, StalledOrSilentBoxLetsTheReadTimeOut)
{
    Configure("stall=2");
    FT_HANDLE cmd, data;
    StartStream(cmd, data, "\x01");
    EXPECT_EQ(Read(data, 2 * 514).size(), 2 * 514u);  // N = 1: 514-byte blocks
    const std::int64_t nBefore = Now();
    EXPECT_TRUE(Read(data, 514).empty());
    EXPECT_EQ(Now() - nBefore, kTimeoutUs);

    Configure("silent");
    cmd = OpenChannel(0);
    data = OpenChannel(1);
    Send(cmd, "!1!M\x3f!s!S");
    EXPECT_EQ(Queued(data), 0u);
    EXPECT_TRUE(Read(data, 1).empty());
    EXPECT_EQ(Now(), kTimeoutUs);
    EXPECT_FALSE(sim::Box().IsStreaming());
}

TEST_F(SimBoxTest, EscLeavesWhatWasSentInTransitUntilThePurge)
{
    FT_HANDLE cmd, data;
    StartStream(cmd, data);
    ASSERT_EQ(Read(data, 3074 * 2 + 1000).size(), 3074u * 2 + 1000);
    sim::Box().Clock().Advance(kBlockUs / 2);
    ASSERT_EQ(m_pApi->pfnClrRts(data), FT_OK);
    Send(cmd, "\x1b");
    EXPECT_FALSE(sim::Box().IsStreaming());
    EXPECT_EQ(Queued(data), 3074u / 2);  // half a block went out after the last read

    // Without a purge the next answer would sit behind the rest of the stream.
    ASSERT_EQ(m_pApi->pfnPurge(data, FT_PURGE_RX | FT_PURGE_TX), FT_OK);
    EXPECT_EQ(Queued(data), 0u);
    Send(cmd, "!");
    const auto answer = Read(data, 2);
    EXPECT_EQ(answer.size(), 1u);
    EXPECT_EQ(sim::Box().BreachCount(), 0);
}

TEST_F(SimBoxTest, ClosingTheDataChannelMidStreamStopsTheBox)
{
    FT_HANDLE cmd, data;
    StartStream(cmd, data);
    ASSERT_EQ(m_pApi->pfnClose(data), FT_OK);
    EXPECT_FALSE(sim::Box().IsStreaming());
    EXPECT_EQ(sim::Box().StreamsAbandoned(), 1);
    data = OpenChannel(1);
    Send(cmd, "!T");
    EXPECT_EQ(Read(data, 4).size(), 4u);
}

TEST_F(SimBoxTest, RealClockWaitsForTheTimeoutAndWakesWhenTheChannelCloses)
{
    Configure("silent", false);
    const FT_HANDLE cmd = OpenChannel(0), data = OpenChannel(1);
    ASSERT_EQ(m_pApi->pfnSetTimeouts(data, 30, 30), FT_OK);
    Send(cmd, "!1");
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_TRUE(Read(data, 1).empty());
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(30));

    // A reader blocked for the full 2000 ms must come back as soon as its channel goes.
    ASSERT_EQ(m_pApi->pfnSetTimeouts(data, 2000, 2000), FT_OK);
    std::atomic<FT_STATUS> nStatus{FT_OK};
    std::atomic<bool> bStarted{false};
    std::thread reader([&] {
        std::uint8_t byte;
        std::uint32_t nRead;
        bStarted = true;
        nStatus = m_pApi->pfnRead(data, &byte, 1, &nRead);
    });
    while (!bStarted)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(m_pApi->pfnClose(data), FT_OK);
    reader.join();
    EXPECT_EQ(nStatus.load(), FT_INVALID_HANDLE);
}

TEST_F(SimBoxTest, RealClockPacesTheStream)
{
    Configure("", false);
    FT_HANDLE cmd, data;
    StartStream(cmd, data, "\x03");
    const auto t0 = std::chrono::steady_clock::now();
    for (int b = 0; b < 3; ++b)
        ASSERT_EQ(Read(data, 1026).size(), 1026u);
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::microseconds(2 * kBlockUs));
}

TEST_F(SimBoxTest, VirtualClockTakesOverThePlatformWaitAndGivesItBack)
{
    int nCustomCalls = 0;
    sim::Box().Reset(sim::SIMOPTIONS(), false);
    const auto previous = platform::SetSleepHook([&](int) { ++nCustomCalls; });
    Configure("", true);
    platform::Sleep(100);
    EXPECT_EQ(Now(), 100'000);
    EXPECT_EQ(nCustomCalls, 0);
    Configure("", false);
    platform::Sleep(100);
    EXPECT_EQ(nCustomCalls, 1);
    platform::SetSleepHook(previous);
}

TEST_F(SimBoxTest, CountersCanBeReadWhileAnotherThreadStreams)
{
    Configure("fast");
    FT_HANDLE cmd, data;
    StartStream(cmd, data);
    std::atomic<bool> bDone{false};
    std::thread reader([&] {
        std::vector<std::uint8_t> block(3074);
        for (int b = 0; b < 3000; ++b) {
            std::uint32_t nRead = 0;
            m_pApi->pfnRead(data, block.data(), 3074, &nRead);
        }
        bDone = true;
    });
    long long nLast = 0;
    while (!bDone) {
        const long long n = sim::Box().BlocksDelivered();
        EXPECT_GE(n, nLast);
        nLast = n;
        EXPECT_TRUE(sim::Box().IsStreaming());
        EXPECT_EQ(sim::Box().BreachCount(), 0);
    }
    reader.join();
    EXPECT_EQ(sim::Box().BlocksDelivered(), 3000);
}

TEST_F(SimBoxTest, EepromAndUserAreaKeepWhatIsProgrammed)
{
    const FT_HANDLE h = OpenChannel(0);
    char szMan[32], szId[16], szDesc[64], szSerial[16];
    FT_PROGRAM_DATA data;
    data.Manufacturer = szMan;
    data.ManufacturerId = szId;
    data.Description = szDesc;
    data.SerialNumber = szSerial;
    ASSERT_EQ(m_pApi->pfnEE_Read(h, &data), FT_OK);
    EXPECT_STREQ(szDesc, "Vadel Sim");

    char szNew[] = "Bench box";
    data.Description = szNew;
    ASSERT_EQ(m_pApi->pfnEE_Program(h, &data), FT_OK);
    ASSERT_EQ(m_pApi->pfnResetPort(h), FT_OK);
    FT_HANDLE hData = nullptr;
    char szOpen[] = "Bench box B";
    EXPECT_EQ(m_pApi->pfnOpenEx(szOpen, FT_OPEN_BY_DESCRIPTION, &hData), FT_OK);

    char szLong[80];
    std::memset(szLong, 'x', sizeof szLong - 1);
    szLong[sizeof szLong - 1] = '\0';
    data.Description = szLong;
    EXPECT_NE(m_pApi->pfnEE_Program(h, &data), FT_OK);

    std::uint32_t nSize = 0;
    ASSERT_EQ(m_pApi->pfnEE_UASize(h, &nSize), FT_OK);
    std::vector<std::uint8_t> written(nSize), read(nSize);
    for (std::uint32_t i = 0; i < nSize; ++i)
        written[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_EQ(m_pApi->pfnEE_UAWrite(h, written.data(), nSize), FT_OK);
    std::uint32_t nRead = 0;
    ASSERT_EQ(m_pApi->pfnEE_UARead(h, read.data(), nSize, &nRead), FT_OK);
    EXPECT_EQ(read, written);
    std::vector<std::uint8_t> tooLong(nSize + 1);
    EXPECT_NE(m_pApi->pfnEE_UAWrite(h, tooLong.data(), nSize + 1), FT_OK);

    // Put the texts back: the EEPROM outlives a reset, like the chip's.
    char szOld[] = "Vadel Sim";
    data.Description = szOld;
    EXPECT_EQ(m_pApi->pfnEE_Program(h, &data), FT_OK);
}

}  // namespace
