#include <gtest/gtest.h>

#include <vector>

#include "chart/CGraph.h"
#include "platform/draw/CRecordingDC.h"

namespace {

bool SamePoint(const POINT& p, int x, int y)
{
    return p.x == x && p.y == y;
}

// The capture plot's x values and a y run from -1234 to 987.
struct LayoutFixture : ::testing::Test {
    double x[200];
    double y[200];
    CRecordingDC dc{RECT{0, 0, 1000, 1000}};

    void SetUp() override
    {
        for (int i = 0; i < 200; ++i) {
            x[i] = i / 31250.0;
            y[i] = -1234 + (987.0 + 1234) * i / 199;
        }
    }
    void AddCurve(CGraph& graph) { graph.AddCurve(200, x, y, GF_LINE, 0, 1, 1, 1, 1, nullptr, nullptr); }
    std::vector<DCCALL> Texts() const { return dc.Calls(DCOP::TextOut); }
};

// 500 × 300 without titles: scale 1.1, label font 13 high (7 wide on the recording surface),
// y labels up to "-1000" give a 39-pixel column, the x band is 17 high, margins 12 and 7.
TEST_F(LayoutFixture, FrameTicksAndLabelsOfAChartWithoutTitles)
{
    RECT rc{0, 0, 500, 300};
    CGraph graph(&dc, &rc);
    AddCurve(graph);
    ASSERT_EQ(graph.Draw(), 1);
    EXPECT_DOUBLE_EQ(graph.GetScale(), 1.1);

    const RECT& f = graph.GetFrame();
    EXPECT_EQ(f.left, 39);
    EXPECT_EQ(f.top, 9);
    EXPECT_EQ(f.right, 500);
    EXPECT_EQ(f.bottom, 289);
    double xMin, yMin, xScale, yScale;
    int x0, y0;
    graph.GetTransform(&xMin, &yMin, &xScale, &yScale, &x0, &y0);
    EXPECT_EQ(x0, 51);
    EXPECT_EQ(y0, 282);
    EXPECT_DOUBLE_EQ(xScale, 437 / 0.006368);
    EXPECT_DOUBLE_EQ(yScale, 266 / 2234.0);

    auto lines = dc.Calls(DCOP::LineTo);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_TRUE(SamePoint(lines[0].pts[0], 39, 9));
    EXPECT_TRUE(SamePoint(lines[0].pts[1], 39, 289));
    EXPECT_TRUE(SamePoint(lines[1].pts[1], 500, 289));
    EXPECT_TRUE(SamePoint(lines[2].pts[1], 500, 9));
    EXPECT_TRUE(SamePoint(lines[3].pts[1], 39, 9));

    // x labels under the frame, centred on rounded tick positions; then y labels centred
    // between the chart's left edge and the frame.
    struct {
        const char* text;
        int x, y;
    } expected[] = {
        {"0", 48, 291},      {"0.002", 171, 291}, {"0.004", 308, 291}, {"0.006", 446, 291},
        {"-1000", 2, 248},   {"-500", 5, 189},    {"0", 16, 129},      {"500", 9, 70},
        {"1000", 5, 10},
    };
    auto texts = Texts();
    ASSERT_EQ(texts.size(), std::size(expected));
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].strText, expected[i].text);
        EXPECT_TRUE(SamePoint(texts[i].pts[0], expected[i].x, expected[i].y))
            << expected[i].text << " at " << texts[i].pts[0].x << ", " << texts[i].pts[0].y;
    }
}

TEST_F(LayoutFixture, AThousandPixelChartScalesFontsAndTitles)
{
    RECT rc{0, 0, 1000, 600};
    CGraph graph(&dc, &rc);
    AddCurve(graph);
    graph.SetLabels("time", "amplitude");
    ASSERT_EQ(graph.Draw(), 1);
    EXPECT_DOUBLE_EQ(graph.GetScale(), 1.2);
    std::vector<int> heights;
    for (const DCCALL& c : dc.Calls(DCOP::SelectFont)) {
        if (c.font.lfFaceName[0])
            heights.push_back(c.font.lfHeight * (c.font.lfEscapement == 900 ? -1 : 1));
    }
    // Tick labels 14, x title 18, y title 18 turned upward (negated here).
    EXPECT_EQ(heights, (std::vector<int>{14, 18, -18}));

    auto titles = dc.Calls(DCOP::DrawText);
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0].strText, "time");
    EXPECT_EQ(titles[0].nValue, int(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    EXPECT_TRUE(SamePoint(titles[0].pts[1], 1000, 600));
    auto texts = Texts();
    ASSERT_FALSE(texts.empty());
    const DCCALL& yTitle = texts.back();
    EXPECT_EQ(yTitle.strText, "amplitude");
    EXPECT_EQ(yTitle.font.lfEscapement, 900);
    // Runs upward from x = 0, centred on the band above the x title: (9 × 9 + 582 + 0) / 2.
    EXPECT_TRUE(SamePoint(yTitle.pts[0], 0, (9 * 9 + 582) / 2));
}

TEST_F(LayoutFixture, TooSmallAChartDrawsNothingAndRestoresTheContext)
{
    RECT rc{0, 0, 500, 30};
    CPen pen(PS_SOLID, 3, RGB(1, 2, 3));
    dc.SelectObject(&pen);
    CGraph graph(&dc, &rc);
    AddCurve(graph);
    graph.SetLabels("time", "");
    EXPECT_EQ(graph.Draw(), 0);
    for (DCOP op : {DCOP::LineTo, DCOP::Polyline, DCOP::TextOut, DCOP::DrawText, DCOP::Rectangle})
        EXPECT_TRUE(dc.Calls(op).empty());
    EXPECT_EQ(dc.GetCurrentPen().lopnColor, RGB(1, 2, 3));
    EXPECT_EQ(dc.GetCurrentFont().lfHeight, 16);
    EXPECT_EQ(dc.GetCurrentBrushColor(), RGB(255, 255, 255));
}

TEST_F(LayoutFixture, DegenerateChartsReturnZeroWithoutDrawing)
{
    struct {
        RECT rc;
        int nCurves;
    } cases[] = {
        {{0, 0, 500, 300}, 0},              // no curve
        {{0, 0, 5, 5}, 1},                  // far too small
        {{500, 300, 0, 0}, 1},              // inverted
        {{-2000000000, 0, 2000000000, 300}, 1},  // beyond any device
    };
    for (const auto& c : cases) {
        dc.Clear();
        CGraph graph(&dc, &c.rc);
        for (int i = 0; i < c.nCurves; ++i)
            AddCurve(graph);
        EXPECT_EQ(graph.Draw(), 0);
        EXPECT_TRUE(dc.Calls(DCOP::LineTo).empty());
        EXPECT_TRUE(dc.Calls(DCOP::Polyline).empty());
    }
}

TEST_F(LayoutFixture, ALastLabelPastTheRightEdgePullsTheDataAreaIn)
{
    RECT rc{0, 0, 500, 300};
    CGraph graph(&dc, &rc);
    AddCurve(graph);
    graph.SetScale(3);  // labels 40 high, 20 wide a character
    ASSERT_EQ(graph.Draw(), 1);
    auto texts = Texts();
    ASSERT_GE(texts.size(), 4u);
    const DCCALL& last = texts[3];
    ASSERT_EQ(last.strText, "0.006");
    EXPECT_LE(last.pts[0].x + 5 * 20 / 2 + 5 * 20 / 2, 500 + 1);
    EXPECT_EQ(graph.GetFrame().right, 500);
    EXPECT_LT(graph.WorldToDeviceX(0.006368), 500 - 500 / 40);
}

TEST_F(LayoutFixture, GridDrawsDottedSilverLinesAcrossTheFrame)
{
    RECT rc{0, 0, 500, 300};
    CGraph graph(&dc, &rc);
    AddCurve(graph);
    graph.SetGrid(TRUE, PS_DOT, RGB(192, 192, 192));
    ASSERT_EQ(graph.Draw(), 1);
    const RECT& f = graph.GetFrame();
    int nGrid = 0;
    for (const DCCALL& c : dc.Calls(DCOP::LineTo)) {
        if (c.pen.lopnStyle != PS_DOT)
            continue;
        EXPECT_EQ(c.pen.lopnColor, RGB(192, 192, 192));
        bool bVertical = c.pts[0].x == c.pts[1].x && c.pts[0].y == f.top && c.pts[1].y == f.bottom;
        bool bHorizontal =
            c.pts[0].y == c.pts[1].y && c.pts[0].x == f.left && c.pts[1].x == f.right;
        bool bBack = c.pts[0].y == f.bottom - 1 || c.pts[0].x == f.right - 1;
        EXPECT_TRUE(bVertical || bHorizontal || bBack);
        ++nGrid;
    }
    EXPECT_EQ(nGrid, 2 * (4 + 5));
}

TEST_F(LayoutFixture, PixelMarkerLandsOnItsPixelAndStaysThereOnRedraw)
{
    RECT rc{0, 0, 500, 300};
    CGraph graph(&dc, &rc);
    AddCurve(graph);
    ASSERT_EQ(graph.AddMarkerPixel(200, 150, GM_SQUARE | GM_VLINE, RGB(255, 0, 0)), 0);
    for (int pass = 0; pass < 2; ++pass) {
        dc.Clear();
        ASSERT_EQ(graph.Draw(), 1);
        EXPECT_EQ(graph.GetMarker(0).nKind, GMK_DATA);
        std::vector<DCCALL> red;
        for (const DCCALL& c : dc.Calls(DCOP::LineTo)) {
            if (c.pen.lopnColor == RGB(255, 0, 0))
                red.push_back(c);
        }
        ASSERT_EQ(red.size(), 5u);
        // Square corner at (px - 3, py - 3), then the vertical line at px.
        EXPECT_NEAR(red[0].pts[0].x, 200 - 3, 1);
        EXPECT_NEAR(red[0].pts[0].y, 150 - 3, 1);
        EXPECT_NEAR(red[4].pts[1].x, 200, 1);
        EXPECT_EQ(red[4].pts[1].y, graph.GetFrame().top);
    }
}

TEST_F(LayoutFixture, MarkersOutsideTheRangesAreNotDrawn)
{
    RECT rc{0, 0, 500, 300};
    CGraph graph(&dc, &rc);
    AddCurve(graph);
    graph.AddMarker(1.0, 0, GM_HLINE, RGB(0, 0, 255));
    ASSERT_EQ(graph.Draw(), 1);
    for (const DCCALL& c : dc.Calls(DCOP::LineTo))
        EXPECT_NE(c.pen.lopnColor, RGB(0, 0, 255));
}

TEST(GraphRanging, AutomaticRangesAfterDrawing)
{
    const double sevens[] = {7, 7, 7};
    const double minusSevens[] = {-7, -7, -7};
    const double zeros[] = {0, 0, 0};
    const double xs[] = {0, 2.5, 5, 7.5, 10};
    const double one[] = {5};
    const double oneY[] = {7};
    struct {
        const char* name;
        int nCount;
        const double* pX;  // null: the index accessor
        const double* pY;
        int nFlags;
        double xMin, xMax, yMin, yMax;
    } cases[] = {
        {"all 7", 3, nullptr, sevens, GF_LINE, 0, 2, 6.3, 7.7},
        {"all -7", 3, nullptr, minusSevens, GF_LINE, 0, 2, -7.7, -6.3},
        {"all 0", 3, nullptr, zeros, GF_LINE, 0, 2, -1, 1},
        {"one point", 1, one, oneY, GF_LINE, 4.5, 5.5, 6.3, 7.7},
        {"bars 0..10", 5, xs, xs, GF_BAR, -0.5, 10.525, 0, 10},
    };
    for (const auto& c : cases) {
        CRecordingDC dc;
        RECT rc{0, 0, 600, 400};
        CGraph graph(&dc, &rc);
        graph.AddCurve(c.nCount, c.pX, c.pY, c.nFlags, 0, c.pX ? GT_DOUBLE : GT_INDEX, GT_DOUBLE, 1,
                       1, nullptr, nullptr);
        ASSERT_EQ(graph.Draw(), 1) << c.name;
        double x0, x1, y0, y1;
        graph.GetRange(&x0, &x1, &y0, &y1);
        EXPECT_NEAR(x0, c.xMin, 1e-9) << c.name;
        EXPECT_NEAR(x1, c.xMax, 1e-9) << c.name;
        EXPECT_NEAR(y0, c.yMin, 1e-9) << c.name;
        EXPECT_NEAR(y1, c.yMax, 1e-9) << c.name;
    }
}

TEST(GraphRanging, FixedRangeIsExtendedToWholeTicksOnlyWhenAsked)
{
    const double y[] = {0.1, 0.5};
    for (BOOL bExtend : {TRUE, FALSE}) {
        CRecordingDC dc;
        RECT rc{0, 0, 600, 400};
        CGraph graph(&dc, &rc);
        graph.AddCurve(2, nullptr, y, GF_LINE, 0, GT_INDEX, GT_DOUBLE, 1, 1, nullptr, nullptr);
        graph.SetExtendToTicks(bExtend);
        graph.SetRange(0, 0.95, 0, 1);
        ASSERT_EQ(graph.Draw(), 1);
        double x0, x1;
        graph.GetRange(&x0, &x1, nullptr, nullptr);
        EXPECT_NEAR(x1, bExtend ? 1.0 : 0.95, 1e-12);
        std::vector<std::string> labels;
        for (const DCCALL& c : dc.Calls(DCOP::TextOut))
            labels.push_back(c.strText);
        ASSERT_GE(labels.size(), 5u);
        EXPECT_EQ(labels[0], "0");
        EXPECT_EQ(labels[4], "0.8");
        if (bExtend)
            EXPECT_EQ(labels[5], "1");
        else
            EXPECT_NE(labels[5], "1");
    }
}

TEST(GraphRanging, FallingIndexXSpansItsWholeRun)
{
    const double y[] = {1, 2, 3, 4, 5};
    CRecordingDC dc;
    RECT rc{0, 0, 600, 400};
    CGraph graph(&dc, &rc);
    graph.AddCurveStep(5, 10.0, -2.0, y, GF_LINE, 0, GT_DOUBLE, 1, 1, nullptr, nullptr);
    ASSERT_EQ(graph.Draw(), 1);
    double x0, x1;
    graph.GetRange(&x0, &x1, nullptr, nullptr);
    EXPECT_LE(x0, 2.0);
    EXPECT_GE(x1, 10.0);
}

}  // namespace
