#include "acquisition/Messages.h"
#include "acquisition/SensorConversions.h"

#include <gtest/gtest.h>

using namespace acq;

TEST(Conversions, ReadingWordsBecomeTheFormsTexts)
{
    struct Case {
        unsigned nRaw;
        double dAt4, dAt20;
        const char* pszSensor1;
        const char* pszSensor2;
    };
    const Case cases[] = {
        {43150, 0.0, 10.0, "7.5 bar", "7.5 C"},
        {65535, 0.0, 1.0, "1.3 bar", "1.3 C"},
        {0, 0.0, 1.0, "-0.2 bar", "-0.2 C"},        // below 4 mA extrapolates
        {32363, 100.0, 0.0, "50.0 bar", "50.0 C"},  // falling scale, 12 mA is mid-span
        {32363, 5.0, 5.0, "5.0 bar", "5.0 C"},      // equal ends: constant
    };
    for (const Case& c : cases) {
        const double d = SensorValue(c.nRaw, c.dAt4, c.dAt20);
        EXPECT_EQ(FormatSensor1(d).toStdString(), c.pszSensor1) << c.nRaw;
        EXPECT_EQ(FormatSensor2(d).toStdString(), c.pszSensor2) << c.nRaw;
    }
    EXPECT_NEAR(LoopCurrent(43150), 15.9995, 1e-4);
    EXPECT_NEAR(LoopCurrent(65535), 24.2996, 1e-4);
}

TEST(Conversions, BoardTemperature)
{
    EXPECT_EQ(FormatBoardTemp(BoardTemperature(22857)).toStdString(), "25.0 C");
    EXPECT_EQ(FormatBoardTemp(BoardTemperature(65535)).toStdString(), "578.3 C");
}

TEST(Conversions, PlannedBlocksAndProgressRange)
{
    struct Case {
        int nTime, nBlocks, nUpper;
    };
    const Case cases[] = {{1, 122, 122}, {15, 1830, 1831}, {60, 7324, 7324}, {1500, 183104, 183105}};
    for (const Case& c : cases) {
        EXPECT_EQ(PlannedBlocks(c.nTime, 31250), c.nBlocks) << c.nTime;
        EXPECT_EQ(ProgressUpper(c.nTime, 31250), c.nUpper) << c.nTime;
    }
}

TEST(Conversions, ElapsedText)
{
    struct Case {
        int nBlock, nTime, nUpper;
        const char* psz;
    };
    const Case cases[] = {
        {3662, 60, 7324, "0:30"}, {7323, 60, 7324, "0:59"}, {183103, 1500, 183105, "24:59"},
        {0, 1, 122, "0:00"},      {5, 1, 0, "0:00"},  // no range yet: no division by zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatElapsed(c.nBlock, c.nTime, c.nUpper).toStdString(), c.psz) << c.nBlock;
}

TEST(Conversions, TimeFieldStages)
{
    struct Case {
        const char* pszText;
        bool bInteger;
        bool bInRange;
    };
    const Case cases[] = {{"1", true, true},     {"1500", true, true}, {" 60 ", true, true},
                          {"0", true, false},    {"1501", true, false}, {"-3", true, false},
                          {"abc", false, false}, {"", false, false},   {"1.5", false, false},
                          {"99999999999", false, false}};
    for (const Case& c : cases) {
        int n = -7;
        EXPECT_EQ(ParseIntegerField(QString::fromLatin1(c.pszText), n), c.bInteger) << c.pszText;
        if (c.bInteger)
            EXPECT_EQ(TimeInRange(n), c.bInRange) << c.pszText;
        else
            EXPECT_EQ(n, -7) << "a rejected text leaves the value alone";
    }
}
