#include "instrument/d2xx/sim/SimOptions.h"
#include "instrument/d2xx/sim/SimSignal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using sim::SIMOPTIONS;

namespace {

struct GOODCASE {
    const char* pszText;
    SIMOPTIONS expected;
};

SIMOPTIONS With(void (*set)(SIMOPTIONS&))
{
    SIMOPTIONS o;
    set(o);
    return o;
}

void ExpectSame(const SIMOPTIONS& a, const SIMOPTIONS& b)
{
    EXPECT_EQ(a.bFast, b.bFast);
    EXPECT_EQ(a.bSilent, b.bSilent);
    EXPECT_EQ(a.bAbsent, b.bAbsent);
    EXPECT_EQ(a.nStallBlocks, b.nStallBlocks);
    EXPECT_DOUBLE_EQ(a.dLoop1mA, b.dLoop1mA);
    EXPECT_DOUBLE_EQ(a.dLoop2mA, b.dLoop2mA);
    EXPECT_DOUBLE_EQ(a.dBoardTempC, b.dBoardTempC);
}

TEST(SimOptions, AcceptedTexts)
{
    const GOODCASE cases[] = {
        {"", SIMOPTIONS()},
        {" , ,", SIMOPTIONS()},
        {"fast", With([](SIMOPTIONS& o) { o.bFast = true; })},
        {" silent , absent ", With([](SIMOPTIONS& o) { o.bSilent = o.bAbsent = true; })},
        {"stall=0", With([](SIMOPTIONS& o) { o.nStallBlocks = 0; })},
        {"stall = 250,fast", With([](SIMOPTIONS& o) { o.nStallBlocks = 250; o.bFast = true; })},
        {"loop1=4,loop2=20.5,temp=-10.25",
         With([](SIMOPTIONS& o) { o.dLoop1mA = 4; o.dLoop2mA = 20.5; o.dBoardTempC = -10.25; })},
        {"loop1=+0,temp=578", With([](SIMOPTIONS& o) { o.dLoop1mA = 0; o.dBoardTempC = 578; })},
        {"stall=3,stall=7", With([](SIMOPTIONS& o) { o.nStallBlocks = 7; })},
    };
    for (const GOODCASE& c : cases) {
        SCOPED_TRACE(c.pszText);
        SIMOPTIONS parsed;
        parsed.bFast = true;  // must be replaced, not merged
        std::string error;
        ASSERT_TRUE(sim::ParseSimOptions(c.pszText, parsed, error)) << error;
        if (std::string(c.pszText).find("fast") == std::string::npos) {
            EXPECT_FALSE(parsed.bFast);
        }
        ExpectSame(parsed, c.expected);
    }
}

TEST(SimOptions, RefusedTextsSayWhatIsWrongAndLeaveOptionsAlone)
{
    struct BADCASE {
        const char* pszText;
        const char* pszMention;
    };
    const BADCASE cases[] = {
        {"turbo", "'turbo'"},          {"fast,turbo=1", "'turbo=1'"}, {"fast=1", "'fast'"},
        {"silent=", "'silent'"},       {"stall", "'stall'"},          {"stall=", "'stall='"},
        {"stall=-1", "'stall=-1'"},    {"stall=2x", "'stall=2x'"},    {"stall=1.5", "'stall=1.5'"},
        {"loop1=abc", "'loop1=abc'"},  {"loop1=30", "'loop1=30'"},    {"loop2=-1", "'loop2=-1'"},
        {"loop2=nan", "'loop2=nan'"},  {"loop1=inf", "'loop1=inf'"},  {"temp=600", "'temp=600'"},
        {"temp=12,5", "'5'"},           {"temp=", "'temp='"},
    };
    for (const BADCASE& c : cases) {
        SCOPED_TRACE(c.pszText);
        SIMOPTIONS parsed;
        parsed.nStallBlocks = 42;
        std::string error;
        EXPECT_FALSE(sim::ParseSimOptions(c.pszText, parsed, error));
        EXPECT_NE(error.find(c.pszMention), std::string::npos) << error;
        EXPECT_EQ(parsed.nStallBlocks, 42);
    }
}

// The host turns words back with these; the box must be the exact inverse, rounded.
double LoopCurrent(unsigned nRaw) { return nRaw * 2430.0 / 65536.0 / 100.0; }
double BoardTemp(unsigned nRaw) { return (nRaw * 2430.0 / 65536.0 - 776.0) / 2.86; }

TEST(SimOptions, ReadingWordsInvertTheHostConversions)
{
    EXPECT_EQ(sim::LoopWord(12.0), 32363);
    EXPECT_EQ(sim::LoopWord(8.0), 21576);
    EXPECT_EQ(sim::BoardTempWord(25.0), 22857);
    EXPECT_EQ(sim::LoopWord(0.0), 0);
    EXPECT_EQ(sim::LoopWord(99.0), 65535);  // clamped, never wrapped
    EXPECT_EQ(sim::BoardTempWord(-400.0), 0);

    const double dHalfStepMa = LoopCurrent(1) / 2;
    const double dHalfStepC = (BoardTemp(1) - BoardTemp(0)) / 2;
    for (double dmA : {4.0, 7.3, 12.0, 19.99, 24.0})
        EXPECT_NEAR(LoopCurrent(sim::LoopWord(dmA)), dmA, dHalfStepMa * 1.0001) << dmA;
    for (double dC : {-40.0, 0.0, 25.0, 85.5})
        EXPECT_NEAR(BoardTemp(sim::BoardTempWord(dC)), dC, dHalfStepC * 1.0001) << dC;
}

int Formula(int i, long long n)
{
    return static_cast<int>(std::lround(4000.0 * (i + 1) *
                                        std::sin(2.0 * std::numbers::pi * 1000.0 * (i + 1) * static_cast<double>(n) / 31250.0)));
}

TEST(SimOptions, SamplesFollowTheFormulaAtAnyFrame)
{
    for (int i = 0; i < 6; ++i) {
        for (long long n : {0LL, 1LL, 7LL, 124LL, 125LL, 31249LL, 31250LL, 2559999LL, 123456789LL})
            EXPECT_EQ(sim::SampleValue(i, n), Formula(i, n)) << "bit " << i << " frame " << n;
    }
    EXPECT_EQ(sim::SampleValue(0, 0), 0);
    EXPECT_GT(sim::SampleValue(0, 5), 0);   // 1 kHz: first half of the wave
    EXPECT_LT(sim::SampleValue(0, 20), 0);  // second half
    EXPECT_EQ(sim::SampleValue(0, 8), 3997);  // near the crest
}

TEST(SimSignal, FramesHoldTheSelectedInputsInAscendingBitOrderBigEndian)
{
    sim::CSimSignal signal;
    signal.SetMask(0b100010);  // inputs 1 and 5
    ASSERT_EQ(signal.Channels(), 2);
    EXPECT_EQ(signal.BlockBytes(), 2 * (256 * 2 + 1));

    std::vector<std::uint8_t> block(static_cast<size_t>(signal.BlockBytes()));
    signal.Block(3, 0xABCD, block.data());
    for (int f = 0; f < 256; ++f) {
        const long long n = 3 * 256 + f;
        for (int j = 0; j < 2; ++j) {
            const int nBit = j == 0 ? 1 : 5;
            const auto w = static_cast<std::int16_t>(block[(f * 2 + j) * 2] << 8 | block[(f * 2 + j) * 2 + 1]);
            ASSERT_EQ(w, Formula(nBit, n)) << "frame " << n << " bit " << nBit;
        }
    }
    EXPECT_EQ(block[block.size() - 2], 0xAB);
    EXPECT_EQ(block[block.size() - 1], 0xCD);

    signal.SetMask(0xFF);  // bits 6 and 7 do not exist on the box
    EXPECT_EQ(signal.Mask(), 63);
    EXPECT_EQ(signal.Channels(), 6);
}

}  // namespace
