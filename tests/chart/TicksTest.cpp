#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/Ticks.h"

namespace {

using graph::ComputeTickSpan;
using graph::SettleRange;

struct TICKCASE {
    double dMin, dMax;            // before
    double dStep, dFirst, dLast;  // ticks
    double dMinAfter, dMaxAfter;  // after extension
};

TEST(Ticks, WorkedTable)
{
    const TICKCASE cases[] = {
        {0, 0.006368, 0.002, 0, 0.006, 0, 0.006368},
        {-1234, 987, 500, -1000, 1000, -1234, 1000},
        {-32768, 32767, 20000, -40000, 40000, -40000, 40000},
        {0, 101, 20, 0, 100, 0, 101},
        {5, 5, 0.2, 4.6, 5.4, 4.5, 5.5},
        {0, 0, 0.5, -1, 1, -1, 1},
    };
    for (const TICKCASE& c : cases) {
        double dMin = c.dMin, dMax = c.dMax;
        SettleRange(dMin, dMax);
        graph::TICKS t = ComputeTickSpan(3, dMin, dMax, TRUE);
        SCOPED_TRACE(testing::Message() << c.dMin << " .. " << c.dMax);
        EXPECT_DOUBLE_EQ(t.dStep, c.dStep);
        EXPECT_NEAR(t.dFirst, c.dFirst, c.dStep * 1e-9);
        EXPECT_NEAR(t.dLast, c.dLast, c.dStep * 1e-9);
        EXPECT_NEAR(dMin, c.dMinAfter, c.dStep * 1e-9);
        EXPECT_NEAR(dMax, c.dMaxAfter, c.dStep * 1e-9);
    }
}

TEST(Ticks, WithoutExtensionTheTicksStayInsideTheRange)
{
    double dMin = 0, dMax = 0.95;
    graph::TICKS t = ComputeTickSpan(3, dMin, dMax, FALSE);
    EXPECT_DOUBLE_EQ(dMax, 0.95);
    EXPECT_NEAR(t.dLast, 0.8, 1e-12);
    dMax = 0.95;
    t = ComputeTickSpan(3, dMin, dMax, TRUE);
    EXPECT_NEAR(dMax, 1.0, 1e-12);
    EXPECT_NEAR(t.dStep, 0.2, 1e-12);
}

TEST(Ticks, EmptyRangesWidenByTenPercentOrToUnit)
{
    struct {
        double v, dMin, dMax;
    } cases[] = {{7, 6.3, 7.7}, {-7, -7.7, -6.3}, {0, -1, 1}, {1e-101, -1, 1}};
    for (const auto& c : cases) {
        double dMin = c.v, dMax = c.v;
        SettleRange(dMin, dMax);
        EXPECT_DOUBLE_EQ(dMin, c.dMin) << c.v;
        EXPECT_DOUBLE_EQ(dMax, c.dMax) << c.v;
    }
}

TEST(Ticks, IllConditionedRangesEndWithUsableTicks)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct {
        double dMin, dMax;
    } cases[] = {
        {1e15, 1e15 + 0.125},  // a step below the values' resolution: the walks would stall
        {-1e308, 1e308},       // the difference overflows
        {-inf, inf},
        {std::nan(""), 5},
        {0, 1e-250},
        {3, 3 + 1e-15},
    };
    for (const auto& c : cases) {
        double dMin = c.dMin, dMax = c.dMax;
        SettleRange(dMin, dMax);
        graph::TICKS t = ComputeTickSpan(3, dMin, dMax, TRUE);
        SCOPED_TRACE(testing::Message() << c.dMin << " .. " << c.dMax);
        ASSERT_TRUE(std::isfinite(dMin) && std::isfinite(dMax));
        ASSERT_LT(dMin, dMax);
        ASSERT_TRUE(std::isfinite(dMax - dMin));
        EXPECT_GT(t.dStep, 0);
        // Consecutive ticks are distinct, so the range holds between 3 and 8 of them.
        int n = 0;
        double dPrev = -inf;
        graph::ForEachTick(t, 1.0 / 3, [&](double v) {
            EXPECT_GT(v, dPrev);
            dPrev = v;
            ++n;
        });
        EXPECT_GE(n, 3);
        EXPECT_LE(n, 9);
    }
}

TEST(Ticks, TickWalksAreBoundedEvenForAStepThatCannotMove)
{
    graph::TICKS t{1e20, 1e20 + 1e6, 1.0};
    int n = 0;
    graph::ForEachTick(t, 1.0 / 3, [&](double) { ++n; });
    EXPECT_EQ(n, graph::kMaxTickSteps);
}

TEST(Ticks, LabelsNearZeroReadAsZero)
{
    EXPECT_EQ(graph::FormatTickLabel(1e-17, 0.002, FALSE), "0");
    EXPECT_EQ(graph::FormatTickLabel(0.004, 0.002, FALSE), "0.004");
    EXPECT_EQ(graph::FormatTickLabel(-20000, 10000, FALSE), "-20000");
    EXPECT_EQ(graph::FormatTickLabel(0.002, 0.002, TRUE), "2m");
    EXPECT_EQ(graph::FormatTickLabel(123456789, 1, FALSE), "1.23457e+08");
}

}  // namespace
