// The box's exchange sequences through the port object, against the simulated box on its
// virtual clock: the bytes each sequence sends, what it reads back, and how it fails.
#include "instrument/BoxProtocol.h"
#include "instrument/CSerialPort.h"
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/sim/SimulatedBox.h"
#include "tests/instrument/fakes/ScriptedD2xx.h"
#include "tests/instrument/fakes/ScriptedSleep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <numbers>

namespace {

int Formula(int i, long long n)
{
    return static_cast<int>(std::lround(4000.0 * (i + 1) *
                                        std::sin(2.0 * std::numbers::pi * 1000.0 * (i + 1) * static_cast<double>(n) / 31250.0)));
}

std::vector<std::uint8_t> Bytes(const std::string& str) { return {str.begin(), str.end()}; }

class ProtocolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        m_pApi = d2xx::SimulatedBoxTable("", error);
        ASSERT_NE(m_pApi, nullptr) << error;
        Configure("");
    }
    void TearDown() override { sim::Box().Reset(sim::SIMOPTIONS(), false); }

    void Configure(const std::string& strOptions)
    {
        std::string error;
        ASSERT_TRUE(sim::Box().Reset(strOptions, true, error)) << error;
    }

    void Open(CSerialPort& cmd, CSerialPort& data)
    {
        ASSERT_EQ(cmd.OpenByIndex(box::kCommandIndex, box::kBaudRate, box::kOpenUnused), 0);
        ASSERT_EQ(data.OpenByIndex(box::kDataIndex, box::kBaudRate, box::kOpenUnused), 0);
    }

    const d2xx::D2XX_API* m_pApi = nullptr;
};

TEST(ProtocolMask, MaskAndCountFollowTheMicrophoneFlags)
{
    struct CASE {
        BOOL bMic[box::kMics];
        int nMask;
        int nCount;
    };
    const CASE cases[] = {
        {{FALSE, FALSE, FALSE, FALSE, FALSE, TRUE}, 32, 1},  // "Mic1" only
        {{TRUE, FALSE, FALSE, FALSE, FALSE, FALSE}, 1, 1},   // "Mic6" only
        {{TRUE, TRUE, TRUE, TRUE, TRUE, TRUE}, 63, 6},
        {{FALSE, FALSE, FALSE, FALSE, FALSE, FALSE}, 0, 0},
        {{FALSE, TRUE, FALSE, FALSE, 7, FALSE}, 18, 2},  // any nonzero flag counts
    };
    for (const CASE& c : cases) {
        EXPECT_EQ(box::ChannelMask(c.bMic), c.nMask);
        EXPECT_EQ(box::ChannelCount(c.bMic), c.nCount);
    }
    EXPECT_EQ(box::BlockBytes(6), 3074);
    EXPECT_EQ(box::BlockBytes(1), 514);
}

TEST(ProtocolMask, SwapWordsTurnsWireOrderIntoNumbers)
{
    const std::uint8_t wire[] = {0x7E, 0x6B, 0xFF, 0x38, 0x00, 0x01};
    std::uint16_t words[3];
    std::memcpy(words, wire, sizeof words);
    box::SwapWords(words, 3);
    EXPECT_EQ(words[0], 32363);
    EXPECT_EQ(static_cast<std::int16_t>(words[1]), -200);
    EXPECT_EQ(words[2], 1);
}

// Which channel each driver call goes to, in which order, with the waits: what the box's
// bytes alone do not show (RTS and purges on the data channel, no read after ESC).
TEST(ProtocolExchange, CallsOnEachChannelInOrder)
{
    using Calls = std::vector<std::string>;
    const Calls send = {"Write(cmd,1)", "Read(h,1)"};
    const auto seq = [](std::initializer_list<Calls> parts) {
        Calls all;
        for (const Calls& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    struct CASE {
        const char* pszName;
        std::function<void(CSerialPort&, CSerialPort&)> exchange;
        std::string strSent;
        Calls calls;
    };
    const CASE cases[] = {
        {"sensor query", [](CSerialPort& c, CSerialPort& d) { box::QuerySensor(c, d, box::kQuerySensor2); }, "!2",
         seq({send, send, {"Read(h,1)", "Read(h,1)"}})},
        {"capture begin", [](CSerialPort& c, CSerialPort& d) { box::CaptureBegin(c, d, true, 33); }, "!B!M\x21!s",
         seq({send, send, send, send, send, send, send})},
        {"capture end", [](CSerialPort& c, CSerialPort& d) { box::CaptureEnd(c, d); }, "!b", seq({send, send})},
        {"stream start", [](CSerialPort& c, CSerialPort& d) { box::StreamStart(c, d, false, 63); }, "!b!M\x3f!S",
         seq({{"Sleep(100)", "Purge(cmd,3)", "Purge(h,3)"}, send, send, send, send, send, {"SetRts(h)"}, send, send})},
        {"stream stop", [](CSerialPort& c, CSerialPort& d) { box::StreamStop(c, d); }, "\x1b!b",
         seq({{"ClrRts(h)", "Write(cmd,1)", "Sleep(100)", "Purge(h,3)"}, send, send})},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScriptedD2xx fake;
        CScriptedSleep sleep(fake.m_calls);
        CSerialPort cmd(fake.Api()), data(fake.Api());
        ASSERT_EQ(cmd.OpenByIndex(box::kCommandIndex, box::kBaudRate, box::kOpenUnused), 0);
        ASSERT_EQ(data.OpenByIndex(box::kDataIndex, box::kBaudRate, box::kOpenUnused), 0);
        fake.ClearCalls();
        fake.m_strRx = std::string(32, 'a');
        c.exchange(cmd, data);
        EXPECT_EQ(fake.m_strTx, c.strSent);
        EXPECT_EQ(fake.m_calls, c.calls);
    }
}

TEST_F(ProtocolTest, SensorQueriesSendPrefixAndCommandAndReadTheWord)
{
    CSerialPort cmd(*m_pApi), data(*m_pApi);
    Open(cmd, data);
    EXPECT_EQ(box::QuerySensor(cmd, data, box::kQuerySensor1), 32363u);
    EXPECT_EQ(box::QuerySensor(cmd, data, box::kQuerySensor2), 21576u);
    EXPECT_EQ(box::QuerySensor(cmd, data, box::kQueryBoardTemp), 22857u);
    EXPECT_EQ(sim::Box().CommandBytes(), Bytes("!1!2!T"));
    EXPECT_EQ(sim::Box().BreachCount(), 0);
    EXPECT_EQ(data.GetQueueStatus(), 0);
}

TEST_F(ProtocolTest, CaptureOfAllSixInputsIs3072BytesOfSignedSamples)
{
    CSerialPort cmd(*m_pApi), data(*m_pApi);
    Open(cmd, data);
    box::CaptureBegin(cmd, data, true, 63);
    EXPECT_TRUE(sim::Box().IsBuzzerOn());
    EXPECT_EQ(data.GetQueueStatus(), 3072);

    int nNegative = 0;
    for (int f = 0; f < box::kCaptureFrames; ++f) {
        for (int i = 0; i < 6; ++i) {
            const auto nSample = static_cast<std::int16_t>(box::ReadWord(data));
            ASSERT_EQ(nSample, Formula(i, f)) << "frame " << f << " input " << i;
            nNegative += nSample < 0;
        }
    }
    EXPECT_GT(nNegative, 600);  // half the samples of a sine are below zero
    EXPECT_EQ(data.GetQueueStatus(), 0);
    box::CaptureEnd(cmd, data);
    EXPECT_FALSE(sim::Box().IsBuzzerOn());
    EXPECT_EQ(sim::Box().CommandBytes(), Bytes("!B!M\x3f!s!b"));
    EXPECT_EQ(sim::Box().BreachCount(), 0);
}

TEST_F(ProtocolTest, StreamStartAndStopLeaveTheBoxReadyForAFreshAnswer)
{
    CSerialPort cmd(*m_pApi), data(*m_pApi);
    Open(cmd, data);
    cmd.EnableExceptions();
    data.EnableExceptions();
    const std::int64_t nStart = sim::Box().Clock().Now();
    box::StreamStart(cmd, data, false, 18);
    EXPECT_EQ(sim::Box().Clock().Now() - nStart, 100'000);  // the settle wait, on the box's clock
    EXPECT_TRUE(sim::Box().IsRtsRaised());
    EXPECT_TRUE(sim::Box().IsStreaming());

    std::vector<char> block(box::BlockBytes(2));
    for (int b = 0; b < 3; ++b)
        data.ReadBlock(block.data(), static_cast<int>(block.size()));
    // The reader falls behind: part of a block is on its way when the stream is stopped.
    sim::Box().Clock().Advance(3000);
    ASSERT_GT(data.GetQueueStatus(), 0);
    box::StreamStop(cmd, data);
    EXPECT_FALSE(sim::Box().IsRtsRaised());
    EXPECT_FALSE(sim::Box().IsStreaming());

    // Whatever the box sent after the last block was purged: the query reads its own word.
    EXPECT_EQ(box::QuerySensor(cmd, data, box::kQueryBoardTemp), 22857u);
    EXPECT_EQ(sim::Box().CommandBytes(), Bytes("!b!M\x12!S\x1b!b!T"));
    EXPECT_EQ(sim::Box().BreachCount(), 0);
}

TEST_F(ProtocolTest, SilentBoxGives65535WithoutExceptionsAndThrowsReadErrorWithThem)
{
    Configure("silent");
    CSerialPort cmd(*m_pApi), data(*m_pApi);
    Open(cmd, data);
    const std::int64_t nStart = sim::Box().Clock().Now();
    EXPECT_EQ(box::QuerySensor(cmd, data, box::kQuerySensor1), 65535u);
    EXPECT_EQ(sim::Box().Clock().Now() - nStart, 4 * 2'000'000);  // four reads, each timed out

    data.EnableExceptions();
    cmd.EnableExceptions();
    try {
        box::QuerySensor(cmd, data, box::kQueryBoardTemp);
        FAIL() << "no exception";
    } catch (int nCode) {
        EXPECT_EQ(nCode, 2);
    }
    EXPECT_EQ(sim::Box().BreachCount(), 0);
}

TEST_F(ProtocolTest, AbsentBoxCannotBeOpened)
{
    Configure("absent");
    CSerialPort cmd(*m_pApi);
    EXPECT_EQ(cmd.OpenByIndex(box::kCommandIndex, box::kBaudRate, box::kOpenUnused), 1);
    EXPECT_FALSE(cmd.IsOpen());
    EXPECT_FALSE(sim::Box().IsChannelOpen(0));
}

TEST_F(ProtocolTest, StalledStreamThrowsReadErrorOnTheBlockAfterTheLast)
{
    Configure("stall=4");
    CSerialPort cmd(*m_pApi), data(*m_pApi);
    Open(cmd, data);
    cmd.EnableExceptions();
    data.EnableExceptions();
    box::StreamStart(cmd, data, false, 63);
    std::vector<char> block(box::BlockBytes(6));
    for (int b = 0; b < 4; ++b)
        EXPECT_EQ(data.ReadBlock(block.data(), static_cast<int>(block.size())), 0u);
    try {
        data.ReadBlock(block.data(), static_cast<int>(block.size()));
        FAIL() << "no exception";
    } catch (int nCode) {
        EXPECT_EQ(nCode, 2);
    }
    EXPECT_EQ(sim::Box().BlocksDelivered(), 4);
}

}  // namespace
