#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "chart/CGraph.h"
#include "chart/Markers.h"
#include "platform/draw/CRecordingDC.h"

namespace {

constexpr COLORREF kCurve = RGB(255, 0, 0);
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

std::vector<DCCALL> InColour(const std::vector<DCCALL>& calls, COLORREF cr)
{
    std::vector<DCCALL> out;
    for (const DCCALL& c : calls) {
        if (c.pen.lopnColor == cr)
            out.push_back(c);
    }
    return out;
}

struct CurveFixture : ::testing::Test {
    CRecordingDC dc;
    RECT rc{0, 0, 600, 400};
    CGraph graph{&dc, &rc};

    // The chart reads the caller's arrays at Draw: keep them here until then.
    std::vector<double> m_x, m_y;

    void Add(std::vector<double> x, std::vector<double> y, int nFlags)
    {
        m_x = std::move(x);
        m_y = std::move(y);
        graph.AddCurve(int(m_x.size()), m_x.data(), m_y.data(), nFlags, kCurve, GT_DOUBLE, GT_DOUBLE,
                       1, 1, nullptr, nullptr);
    }
    POINT Dev(double x, double y) const { return POINT{graph.WorldToDeviceX(x), graph.WorldToDeviceY(y)}; }
};

struct CLIPCASE {
    const char* name;
    double x0, y0, x1, y1;
    bool bDrawn;
    double fx, fy, tx, ty;  // the visible part, as drawn
};

TEST_F(CurveFixture, SegmentsAreClippedToFixedRanges)
{
    const CLIPCASE cases[] = {
        {"enters from the left", -5, 5, 5, 5, true, 0, 5, 5, 5},
        {"crosses the whole area", -5, 5, 15, 5, true, 0, 5, 10, 5},
        {"touches the corner only", -5, 5, 5, 15, true, 0, 10, 0, 10},
        {"wholly below", -5, -5, 5, -5, false, 0, 0, 0, 0},
        {"leaves on the right", 5, 5, 15, 5, true, 5, 5, 10, 5},
        {"inside", 2, 2, 8, 8, true, 2, 2, 8, 8},
        {"vertical across", 5, -5, 5, 15, true, 5, 0, 5, 10},
        {"cuts the bottom-left corner", -2, 4, 4, -2, true, 2, 0, 0, 2},
        {"misses the corner", -5, 9, 9, 23, false, 0, 0, 0, 0},
    };
    for (const CLIPCASE& c : cases) {
        dc.Clear();
        CGraph g(&dc, &rc);
        std::vector<double> x{c.x0, c.x1}, y{c.y0, c.y1};
        g.AddCurve(2, x.data(), y.data(), GF_LINE, kCurve, GT_DOUBLE, GT_DOUBLE, 1, 1, nullptr, nullptr);
        g.SetRange(0, 10, 0, 10);
        ASSERT_EQ(g.Draw(), 1) << c.name;
        auto lines = InColour(dc.Calls(DCOP::LineTo), kCurve);
        EXPECT_TRUE(dc.Calls(DCOP::Polyline).empty()) << c.name;
        if (!c.bDrawn) {
            EXPECT_TRUE(lines.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(lines.size(), 1u) << c.name;
        EXPECT_EQ(lines[0].pts[0].x, g.WorldToDeviceX(c.fx)) << c.name;
        EXPECT_EQ(lines[0].pts[0].y, g.WorldToDeviceY(c.fy)) << c.name;
        EXPECT_EQ(lines[0].pts[1].x, g.WorldToDeviceX(c.tx)) << c.name;
        EXPECT_EQ(lines[0].pts[1].y, g.WorldToDeviceY(c.ty)) << c.name;
    }
}

TEST_F(CurveFixture, PlainLinesUnderAutomaticRangesGoOutAsOnePolyline)
{
    std::vector<double> x(200), y(200);
    for (int i = 0; i < 200; ++i) {
        x[i] = i;
        y[i] = std::sin(i / 10.0);
    }
    Add(x, y, GF_LINE);
    ASSERT_EQ(graph.Draw(), 1);
    auto polylines = dc.Calls(DCOP::Polyline);
    ASSERT_EQ(polylines.size(), 1u);
    ASSERT_EQ(polylines[0].pts.size(), 200u);
    EXPECT_EQ(polylines[0].pen.lopnColor, kCurve);
    for (int i : {0, 57, 199}) {
        EXPECT_EQ(polylines[0].pts[i].x, Dev(x[i], y[i]).x);
        EXPECT_EQ(polylines[0].pts[i].y, Dev(x[i], y[i]).y);
    }
    EXPECT_TRUE(InColour(dc.Calls(DCOP::LineTo), kCurve).empty());
}

TEST_F(CurveFixture, NonFinitePointsBreakTheLineAndLeaveTheRangesAlone)
{
    Add({0, 1, 2, 3, 4, 5}, {1, 2, kNaN, 3, kInf, 4}, GF_LINE);
    ASSERT_EQ(graph.Draw(), 1);
    double y0, y1;
    graph.GetRange(nullptr, nullptr, &y0, &y1);
    EXPECT_TRUE(std::isfinite(y0) && std::isfinite(y1));
    EXPECT_LE(y1, 4.5);
    // Runs {0, 1} and {5} alone (too short to draw); {3} alone likewise.
    auto polylines = dc.Calls(DCOP::Polyline);
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(polylines[0].pts.size(), 2u);
}

TEST_F(CurveFixture, NonFinitePointsGetNoMarkerAndNoLineAcrossTheGap)
{
    for (BOOL bFixed : {FALSE, TRUE}) {
        dc.Clear();
        CGraph g(&dc, &rc);
        std::vector<double> x{1, 2, 3, 4}, y{1, kNaN, 3, 4};
        g.AddCurve(4, x.data(), y.data(), GF_LINE | GF_CIRCLE, kCurve, GT_DOUBLE, GT_DOUBLE, 1, 1,
                   nullptr, nullptr);
        if (bFixed)
            g.SetRange(0, 5, 0, 5);
        ASSERT_EQ(g.Draw(), 1);
        for (const DCCALL& line : InColour(dc.Calls(DCOP::LineTo), kCurve)) {
            EXPECT_FALSE(line.pts[0].x == g.WorldToDeviceX(1) && line.pts[1].x == g.WorldToDeviceX(3))
                << "line across the gap, fixed " << bFixed;
        }
        // Automatic: circles at 1, 3, 4. Fixed: a run's first point gets none.
        EXPECT_EQ(dc.Calls(DCOP::Ellipse).size(), bFixed ? 1u : 3u);
    }
}

TEST_F(CurveFixture, CirclesOnEveryPointUnderAutomaticRangesButNotTheFirstUnderFixedOnes)
{
    for (BOOL bFixed : {FALSE, TRUE}) {
        dc.Clear();
        CGraph g(&dc, &rc);
        std::vector<double> x{1, 2, 3}, y{1, 3, 2};
        g.AddCurve(3, x.data(), y.data(), GF_LINE | GF_CIRCLE, kCurve, GT_DOUBLE, GT_DOUBLE, 1, 1,
                   nullptr, nullptr);
        if (bFixed)
            g.SetRange(0, 4, 0, 4);
        ASSERT_EQ(g.Draw(), 1);
        ASSERT_EQ(g_nMarkerUnit.load(), 1);
        auto ellipses = dc.Calls(DCOP::Ellipse);
        ASSERT_EQ(ellipses.size(), bFixed ? 2u : 3u);
        const DCCALL& last = ellipses.back();
        int px = g.WorldToDeviceX(3), py = g.WorldToDeviceY(2);
        EXPECT_EQ(last.pts[0].x, px - 2);
        EXPECT_EQ(last.pts[0].y, py - 2);
        EXPECT_EQ(last.pts[1].x, px + 3);
        EXPECT_EQ(last.pts[1].y, py + 3);
        EXPECT_EQ(last.crBrush, kCurve);
        EXPECT_EQ(InColour(dc.Calls(DCOP::LineTo), kCurve).size(), bFixed ? 2u : 3u);
    }
}

TEST_F(CurveFixture, BarsRiseFromTheBottomOfTheRange)
{
    Add({1, 2, 3, 4}, {0, 5, 10, 7}, GF_BAR);
    graph.SetRange(0, 5, 0, 10);
    ASSERT_EQ(graph.Draw(), 1);
    int nHalf = int((graph.WorldToDeviceX(5) - graph.WorldToDeviceX(0)) * 0.35 / 4 + 0.5);
    int nBase = graph.WorldToDeviceY(0);
    auto bars = dc.Calls(DCOP::Rectangle);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0].pts[0].x, graph.WorldToDeviceX(2) - nHalf);
    EXPECT_EQ(bars[0].pts[0].y, nBase);
    EXPECT_EQ(bars[0].pts[1].x, graph.WorldToDeviceX(2) + nHalf);
    EXPECT_EQ(bars[0].pts[1].y, graph.WorldToDeviceY(5));
    EXPECT_EQ(bars[0].crBrush, kCurve);
    // A point on the bottom of the range becomes a flat line 2 × half wide.
    auto flat = InColour(dc.Calls(DCOP::LineTo), kCurve);
    ASSERT_EQ(flat.size(), 1u);
    EXPECT_EQ(flat[0].pts[0].x, graph.WorldToDeviceX(1) - nHalf);
    EXPECT_EQ(flat[0].pts[1].x, graph.WorldToDeviceX(1) + nHalf);
    EXPECT_EQ(flat[0].pts[1].y, nBase);
}

TEST_F(CurveFixture, EdgeTrianglesHangFromTheTopOfTheFrameOnly)
{
    Add({1, 2, 3}, {1, 3, 2}, GF_TRIANGLE_BELOW | GF_TOP_EDGE);
    ASSERT_EQ(graph.Draw(), 1);
    auto triangles = dc.Calls(DCOP::Polygon);
    ASSERT_EQ(triangles.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(triangles[i].pts[1].x, graph.WorldToDeviceX(i + 1));
        EXPECT_EQ(triangles[i].pts[1].y, graph.GetFrame().top);
        EXPECT_EQ(triangles[i].pts[0].y, graph.GetFrame().top + 9);
    }
}

TEST_F(CurveFixture, AClipRegionReplacesComputedClipping)
{
    Add({-5, 15}, {5, 5}, GF_LINE);
    graph.SetRange(0, 10, 0, 10);
    graph.SetClip(TRUE);
    ASSERT_EQ(graph.Draw(), 1);
    auto clips = dc.Calls(DCOP::SelectClipRgn);
    ASSERT_EQ(clips.size(), 2u);
    EXPECT_EQ(clips[0].nValue, 1);
    EXPECT_EQ(clips[0].pts[0].x, graph.GetFrame().left);
    EXPECT_EQ(clips[0].pts[1].y, graph.GetFrame().bottom);
    EXPECT_EQ(clips[1].nValue, 0);  // no clip before, none after
    EXPECT_FALSE(dc.HasClip());
    ASSERT_EQ(dc.Calls(DCOP::Polyline).size(), 1u);
    EXPECT_LT(dc.Calls(DCOP::Polyline)[0].pts[0].x, graph.GetFrame().left);
}

TEST_F(CurveFixture, HugeAndBrokenCurvesDrawWithoutFault)
{
    const double big = 1e308;
    struct {
        std::vector<double> x, y;
        BOOL bFixed;
    } cases[] = {
        {{0, 1, 2}, {-big, big, 0}, FALSE},
        {{0, 1, 2}, {-big, big, 0}, TRUE},
        {{kNaN, kNaN}, {kNaN, kInf}, FALSE},
        {{0, 1e-300, 2e-300}, {1, 1, 1}, FALSE},
        {{-kInf, 0, kInf}, {0, 1, 2}, TRUE},
    };
    for (const auto& c : cases) {
        CGraph g(&dc, &rc);
        g.AddCurve(int(c.x.size()), c.x.data(), c.y.data(), GF_LINE | GF_SQUARE, kCurve, GT_DOUBLE,
                   GT_DOUBLE, 1, 1, nullptr, nullptr);
        if (c.bFixed)
            g.SetRange(-1, 3, -1, 3);
        EXPECT_EQ(g.Draw(), 1);
    }
}

struct MARKERCASE {
    int nFlags;
    std::vector<DCOP> ops;
    std::vector<POINT> pts;  // the points of the first call
};

TEST(DrawMarker, ShapesAtUnitTwo)
{
    const MARKERCASE cases[] = {
        {GF_CIRCLE, {DCOP::Ellipse}, {{46, 56}, {55, 65}}},
        {GF_SQUARE, {DCOP::Rectangle}, {{48, 58}, {53, 63}}},
        {GF_DIAMOND, {DCOP::Polygon, DCOP::MoveTo}, {{44, 60}, {50, 66}, {56, 60}, {50, 54}}},
        {GF_CROSS, {DCOP::MoveTo, DCOP::LineTo, DCOP::MoveTo, DCOP::LineTo}, {{46, 56}}},
        {GF_TRIANGLE_BELOW, {DCOP::Polygon, DCOP::MoveTo}, {{56, 78}, {50, 60}, {44, 78}}},
        {GF_TRIANGLE_ABOVE, {DCOP::Polygon, DCOP::MoveTo}, {{56, 42}, {50, 60}, {44, 42}}},
        {GF_BAR | GF_LINE | GF_TOP_EDGE, {}, {}},
    };
    int nSaved = g_nMarkerUnit.load();
    g_nMarkerUnit = 2;
    for (const MARKERCASE& c : cases) {
        CRecordingDC dc;
        DrawMarker(&dc, 50, 60, c.nFlags);
        const auto& calls = dc.Calls();
        ASSERT_EQ(calls.size(), c.ops.size()) << std::hex << c.nFlags;
        for (size_t i = 0; i < calls.size(); ++i)
            EXPECT_EQ(calls[i].op, c.ops[i]);
        for (size_t i = 0; i < c.pts.size(); ++i) {
            EXPECT_EQ(calls[0].pts[i].x, c.pts[i].x) << std::hex << c.nFlags << " point " << i;
            EXPECT_EQ(calls[0].pts[i].y, c.pts[i].y) << std::hex << c.nFlags << " point " << i;
        }
    }
    CRecordingDC cross;
    DrawMarker(&cross, 50, 60, GF_CROSS);
    EXPECT_EQ(cross.Calls()[1].pts[1].x, 55);
    EXPECT_EQ(cross.Calls()[1].pts[1].y, 65);
    EXPECT_EQ(cross.Calls()[3].pts[1].x, 55);
    EXPECT_EQ(cross.Calls()[3].pts[1].y, 55);

    // A unit of 0 collapses every shape to about a pixel.
    g_nMarkerUnit = 0;
    CRecordingDC tiny;
    DrawMarker(&tiny, 50, 60, GF_CIRCLE | GF_SQUARE);
    EXPECT_EQ(tiny.Calls()[0].pts[1].x - tiny.Calls()[0].pts[0].x, 1);
    EXPECT_EQ(tiny.Calls()[1].pts[1].y - tiny.Calls()[1].pts[0].y, 1);
    g_nMarkerUnit = nSaved;
}

}  // namespace
