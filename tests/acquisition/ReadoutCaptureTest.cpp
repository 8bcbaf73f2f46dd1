// "Go" and "Test ADC data" against the simulated box (virtual clock) and, where the bytes
// matter, a scripted driver.
#include "FakeHost.h"
#include "SimBoxFixture.h"
#include "ScriptedD2xx.h"

#include "acquisition/CAcquisition.h"
#include "acquisition/SensorConversions.h"
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/sim/SimulatedBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::int64_t kTimeoutUs = 2'000'000;

class Readout : public SimBoxTest {
protected:
    static std::string Sent()
    {
        const auto bytes = sim::Box().CommandBytes();
        return std::string(bytes.begin(), bytes.end());
    }
    CFakeHost m_host;
};

}  // namespace

TEST_F(Readout, GoShowsTheThreeSensors)
{
    Configure("loop1=15.9995,loop2=4,temp=25");
    CAcquisition acq(m_host);
    acq.m_dSensor1At4mA = 0.0;
    acq.m_dSensor1At20mA = 10.0;
    acq.OnGo();
    EXPECT_TRUE(m_host.m_messages.isEmpty());
    EXPECT_EQ(acq.m_strSensor1, "7.5 bar");
    EXPECT_EQ(acq.m_strSensor2, "0.0 C");
    EXPECT_EQ(acq.m_strBoardTemp, "25.0 C");
    EXPECT_EQ(m_host.m_nLoads, 1) << "members are written to the controls";
    EXPECT_EQ(Sent(), "!1!2!T");
    EXPECT_EQ(sim::Box().BreachCount(), 0);
    EXPECT_FALSE(sim::Box().IsChannelOpen(0) || sim::Box().IsChannelOpen(1));
}

TEST_F(Readout, FailuresChangeNoFieldAndDoNotFreeze)
{
    struct Case {
        const char* pszOptions;
        const char* pszMessage;
    };
    const Case cases[] = {{"silent", "Serial port exception"}, {"absent", "Can't open communication ports"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszOptions);
        Configure(c.pszOptions);
        CFakeHost host;
        CAcquisition acq(host);
        acq.m_strSensor1 = "old";
        acq.OnGo();
        EXPECT_EQ(host.m_messages, QStringList{c.pszMessage});
        EXPECT_EQ(acq.m_strSensor1, "old");
        EXPECT_TRUE(acq.m_strBoardTemp.isEmpty());
        EXPECT_EQ(host.m_nLoads, 0);
        // The first missing byte ends the exchange: one timeout, not twelve.
        EXPECT_LE(sim::Box().Clock().Now(), kTimeoutUs + 1'000'000);

        acq.OnTestAdcData();
        EXPECT_EQ(host.m_messages.size(), 2);
        EXPECT_EQ(host.m_messages.last(), c.pszMessage);
        EXPECT_EQ(g_dCapture[0][0], 12345.0) << "the plot keeps the last capture";
        EXPECT_EQ(host.m_nInvalidations, 0);
        EXPECT_EQ(acq.m_nChannels, 6) << "the selection is taken before the box is asked";
        EXPECT_LE(sim::Box().Clock().Now(), 2 * (kTimeoutUs + 1'000'000));
    }
}

TEST_F(Readout, CaptureFillsTheSelectedRowsOnly)
{
    struct Case {
        bool bMic[6];  // element 0 is "Mic6"
        bool bBuzzer;
        int nMask;
        std::string strSent;
    };
    const Case cases[] = {
        {{false, false, false, false, true, true}, false, 48, std::string("!b!M\x30!s!b")},  // Mic1, Mic2
        {{true, false, true, false, false, false}, true, 5, std::string("!B!M\x05!s!b")},
        {{false, false, false, false, false, false}, false, 0, std::string("!b!M\x00!s!b", 9)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nMask);
        Configure("");
        CFakeHost host;
        CAcquisition acq(host);
        for (int i = 0; i < 6; ++i)
            acq.m_bMic[i] = c.bMic[i];
        acq.m_bBuzzer = c.bBuzzer;
        for (auto& row : g_dCapture)
            row[0] = 12345.0;
        acq.OnTestAdcData();
        EXPECT_TRUE(host.m_messages.isEmpty());
        EXPECT_EQ(host.m_nSaves, 1);
        EXPECT_EQ(acq.m_nChannelMask, c.nMask);
        EXPECT_EQ(Sent(), c.strSent);
        EXPECT_EQ(sim::Box().BreachCount(), 0);
        EXPECT_FALSE(sim::Box().IsBuzzerOn());
        EXPECT_EQ(host.m_nInvalidations, 1);
        // Row j is the j-th selected input in the box's order (ascending bits in the simulation).
        int j = 0;
        for (int nBit = 0; nBit < 6; ++nBit) {
            if (!(c.nMask & (1 << nBit)))
                continue;
            for (int f = 0; f < 256; ++f)
                ASSERT_EQ(g_dCapture[j][f], sim::SampleValue(nBit, f)) << "row " << j << " frame " << f;
            ++j;
        }
        for (; j < 6; ++j)
            EXPECT_EQ(g_dCapture[j][0], 12345.0) << "row " << j << " is left as it was";
    }
}

TEST_F(Readout, CaptureWordsAreSignedHighByteFirst)
{
    CScriptedD2xx script;
    const d2xx::D2XX_API* pPrevious = d2xx::D2xxUse(&script.Api());
    // Seven answers (!, b, !, M, mask, !, s), 256 one-channel words, two answers (!, b).
    std::string strWords("\x80\x00\x7F\xFF\xFF\xFE\x00\x01", 8);
    strWords.resize(512, '\0');
    script.m_strRx = std::string(7, 'a') + strWords + std::string(2, 'a');

    CAcquisition acq(m_host);
    for (int i = 0; i < 6; ++i)
        acq.m_bMic[i] = i == 5;  // "Mic1" alone: mask 32
    acq.OnTestAdcData();
    d2xx::D2xxUse(pPrevious);

    EXPECT_TRUE(m_host.m_messages.isEmpty());
    EXPECT_EQ(script.m_strTx, std::string("!b!M\x20!s!b"));
    EXPECT_TRUE(script.m_strRx.empty()) << "exactly 512 sample bytes and the answers were read";
    EXPECT_EQ(g_dCapture[0][0], -32768.0);
    EXPECT_EQ(g_dCapture[0][1], 32767.0);
    EXPECT_EQ(g_dCapture[0][2], -2.0);
    EXPECT_EQ(g_dCapture[0][3], 1.0);
}
