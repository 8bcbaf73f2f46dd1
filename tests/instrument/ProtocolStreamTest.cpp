// Long streams through the port object: every sample of every block must be the formula's,
// and the sensor word must alternate between the two loop inputs.
#include "instrument/BoxProtocol.h"
#include "instrument/CSerialPort.h"
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/sim/SimulatedBox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

struct STREAMCASE {
    const char* pszName;
    int nMask;
    const char* pszOptions;
    unsigned nInput1;
    unsigned nInput2;
};

class ProtocolStreamTest : public ::testing::TestWithParam<STREAMCASE> {
protected:
    void TearDown() override { sim::Box().Reset(sim::SIMOPTIONS(), false); }
};

TEST_P(ProtocolStreamTest, TenThousandBlocksCarryExactlyTheFormula)
{
    const STREAMCASE& c = GetParam();
    std::string error;
    const d2xx::D2XX_API* pApi = d2xx::SimulatedBoxTable("", error);
    ASSERT_NE(pApi, nullptr) << error;
    ASSERT_TRUE(sim::Box().Reset(c.pszOptions, true, error)) << error;

    std::vector<int> vecBits;
    for (int i = 0; i < 6; ++i) {
        if (c.nMask & (1 << i))
            vecBits.push_back(i);
    }
    const int nChannels = static_cast<int>(vecBits.size());

    CSerialPort cmd(*pApi), data(*pApi);
    ASSERT_EQ(cmd.OpenByIndex(box::kCommandIndex, box::kBaudRate, box::kOpenUnused), 0);
    ASSERT_EQ(data.OpenByIndex(box::kDataIndex, box::kBaudRate, box::kOpenUnused), 0);
    cmd.EnableExceptions();
    data.EnableExceptions();
    box::StreamStart(cmd, data, false, c.nMask);

    constexpr int kBlocks = 10000;
    std::vector<std::uint16_t> block(static_cast<size_t>(box::BlockBytes(nChannels)) / 2);
    long long nMismatches = 0;
    for (int b = 0; b < kBlocks; ++b) {
        ASSERT_EQ(data.ReadBlock(block.data(), box::BlockBytes(nChannels)), 0u);
        box::SwapWords(block.data(), static_cast<int>(block.size()));
        for (int f = 0; f < box::kFramesPerBlock; ++f) {
            const long long n = static_cast<long long>(b) * box::kFramesPerBlock + f;
            for (int j = 0; j < nChannels; ++j) {
                const int i = vecBits[j];
                const double dExact = 4000.0 * (i + 1) *
                                      std::sin(2.0 * std::numbers::pi * 1000.0 * (i + 1) * static_cast<double>(n) / 31250.0);
                if (static_cast<std::int16_t>(block[f * nChannels + j]) != std::lround(dExact) && ++nMismatches < 5)
                    ADD_FAILURE() << "block " << b << " frame " << n << " input " << i;
            }
        }
        ASSERT_EQ(block.back(), b % 2 == 0 ? c.nInput1 : c.nInput2) << "sensor word of block " << b;
    }
    EXPECT_EQ(nMismatches, 0);
    box::StreamStop(cmd, data);
    EXPECT_EQ(sim::Box().BlocksDelivered(), kBlocks);
    EXPECT_EQ(sim::Box().BreachCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Masks, ProtocolStreamTest,
                         ::testing::Values(STREAMCASE{"AllSix", 63, "", 32363, 21576},
                                           STREAMCASE{"Mic5AndMic2", 0b010010, "loop1=4,loop2=20", 10788, 53939}),
                         [](const auto& info) { return std::string(info.param.pszName); });

}  // namespace
