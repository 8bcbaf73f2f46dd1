#include <gtest/gtest.h>

#include <cstdint>

#include "chart/CGraph.h"
#include "platform/draw/CRecordingDC.h"

namespace {

double Twice(double v)
{
    return 2 * v;
}

TEST(GraphSeries, EveryTypeCodeReadsItsElementType)
{
    const float f[] = {1.5f, -2.5f};
    const double d[] = {3.25, -4.5};
    const std::int8_t i8[] = {-7, 8};
    const std::uint8_t u8[] = {200, 9};
    const std::int16_t i16[] = {-30000, 10};
    const std::uint16_t u16[] = {60000, 11};
    const std::int32_t i32[] = {-2000000000, 12};
    const std::uint32_t u32[] = {4000000000u, 13};
    struct {
        int nType;
        const void* p;
        double dFirst;
    } cases[] = {
        {0, f, 1.5},       {1, d, 3.25},        {2, d, 3.25},         {3, i8, -7},
        {4, u8, 200},      {5, i16, -30000},    {6, u16, 60000},      {7, i32, -2000000000},
        {8, u32, 4e9},     {9, i32, -2000000000}, {10, u32, 4e9},
        // Codes outside 0..12 read unsigned bytes.
        {13, u8, 200},     {-1, u8, 200},
    };
    CRecordingDC dc;
    RECT rc{0, 0, 500, 300};
    for (const auto& c : cases) {
        CGraph graph(&dc, &rc);
        graph.AddCurve(2, c.p, c.p, 0, 0, c.nType, c.nType, 1, 1, nullptr, nullptr);
        EXPECT_EQ(graph.GetX(0, 0), c.dFirst) << "type " << c.nType;
        EXPECT_EQ(graph.GetY(0, 0), c.dFirst) << "type " << c.nType;
    }
}

TEST(GraphSeries, StridesTransformsAndTheIndexAccessor)
{
    CRecordingDC dc;
    RECT rc{0, 0, 500, 300};
    CGraph graph(&dc, &rc);
    // Interleaved records: x at even, y at odd positions.
    const double xy[] = {0, 10, 1, 11, 2, 12};
    graph.AddCurve(3, xy, xy + 1, 0, 0, GT_DOUBLE, GT_DOUBLE, 2, 2, &Twice, nullptr);
    EXPECT_EQ(graph.GetX(0, 2), 4.0);
    EXPECT_EQ(graph.GetY(0, 2), 12.0);

    // The index accessor ignores the x transform; for y it transforms stride × i.
    graph.AddCurve(4, nullptr, nullptr, 0, 0, GT_INDEX, GT_INDEX, 3, 5, &Twice, &Twice);
    EXPECT_EQ(graph.GetX(1, 2), 6.0);
    EXPECT_EQ(graph.GetY(1, 2), 20.0);

    graph.AddCurveStep(4, 100.0, 0.5, xy, 0, 0, GT_DOUBLE, 2, 1, nullptr, nullptr);
    EXPECT_EQ(graph.GetX(2, 3), 103.0);
    EXPECT_EQ(graph.GetCurve(2).nPenWidth, 1);
}

TEST(GraphSeries, TablesHoldTwentyCurvesAndTenMarkers)
{
    CRecordingDC dc;
    RECT rc{0, 0, 500, 300};
    CGraph graph(&dc, &rc);
    const double y[] = {1, 2};
    for (int i = 0; i < 21; ++i)
        graph.AddCurve(2, nullptr, y, GF_LINE, RGB(i, 0, 0), GT_INDEX, GT_DOUBLE, 1, 1, nullptr, nullptr);
    EXPECT_EQ(graph.GetCurveCount(), 20);
    EXPECT_EQ(graph.GetCurve(19).crColor, RGB(19, 0, 0));
    EXPECT_EQ(graph.Draw(), 1);
    EXPECT_EQ(dc.Calls(DCOP::Polyline).size(), 20u);

    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(graph.AddMarker(i, 0, GM_SQUARE, 0), 0);
    EXPECT_EQ(graph.AddMarker(0, 0, GM_SQUARE, 0), 1);
    EXPECT_EQ(graph.AddMarkerPixel(0, 0, GM_SQUARE, 0), 1);
    EXPECT_EQ(graph.GetMarkerCount(), 10);
}

TEST(GraphSeries, SetRangeFixesOnlyNonEmptyRangesAndAnAddReturnsToAutomatic)
{
    CRecordingDC dc;
    RECT rc{0, 0, 500, 300};
    CGraph graph(&dc, &rc);
    graph.SetRange(0, 10, 5, 5);
    EXPECT_FALSE(graph.IsFixedRange());
    graph.SetRange(10, 0, -1, 1);
    EXPECT_TRUE(graph.IsFixedRange());
    double x0, x1, y0, y1;
    graph.GetRange(&x0, &x1, &y0, &y1);
    EXPECT_EQ(x0, 0);
    EXPECT_EQ(x1, 10);
    EXPECT_EQ(y0, -1);
    EXPECT_EQ(y1, 1);

    const double y[] = {100, 200};
    graph.AddCurve(2, nullptr, y, GF_LINE, 0, GT_INDEX, GT_DOUBLE, 1, 1, nullptr, nullptr);
    EXPECT_FALSE(graph.IsFixedRange());
    ASSERT_EQ(graph.Draw(), 1);
    graph.GetRange(&x0, &x1, &y0, &y1);
    EXPECT_GE(y1, 200);
}

TEST(GraphSeries, ScaleIsAcceptedStrictlyBetweenHalfAndFiveHundred)
{
    CGraph graph;
    CRecordingDC dc;
    RECT rc{0, 0, 100, 100};
    graph.Init(&dc, &rc);
    struct {
        double s;
        double dExpected;
    } cases[] = {{0.5, 1.0}, {500, 1.0}, {0.51, 0.51}, {499, 499}, {-3, 499}};
    for (const auto& c : cases) {
        graph.SetScale(c.s);
        EXPECT_EQ(graph.GetUserScale(), c.dExpected) << c.s;
    }
}

TEST(GraphSeries, ZoomBeforeAnyDrawingChangesNothing)
{
    CRecordingDC dc;
    RECT rc{0, 0, 500, 300};
    CGraph graph(&dc, &rc);
    graph.ZoomToRect(10, 10, 100, 100);
    EXPECT_FALSE(graph.IsFixedRange());
    double x0, x1;
    graph.GetRange(&x0, &x1, nullptr, nullptr);
    EXPECT_EQ(x0, 0);
    EXPECT_EQ(x1, 1);
}

TEST(GraphSeries, ZoomAfterADrawingFixesTheRangesUnderTheRectangle)
{
    CRecordingDC dc;
    RECT rc{0, 0, 500, 300};
    CGraph graph(&dc, &rc);
    const double y[] = {0, 10, 5, 8};
    graph.AddCurve(4, nullptr, y, GF_LINE, 0, GT_INDEX, GT_DOUBLE, 1, 1, nullptr, nullptr);
    ASSERT_EQ(graph.Draw(), 1);
    int px1 = graph.WorldToDeviceX(1), px2 = graph.WorldToDeviceX(2);
    int py1 = graph.WorldToDeviceY(8), py2 = graph.WorldToDeviceY(2);
    graph.ZoomToRect(px2, py2, px1, py1);  // corners in either order
    EXPECT_TRUE(graph.IsFixedRange());
    double x0, x1, y0, y1;
    graph.GetRange(&x0, &x1, &y0, &y1);
    EXPECT_NEAR(x0, 1, 0.02);
    EXPECT_NEAR(x1, 2, 0.02);
    EXPECT_NEAR(y0, 2, 0.1);
    EXPECT_NEAR(y1, 8, 0.1);
}

}  // namespace
