#include <gtest/gtest.h>

#include <cmath>

#include "tests/chart/SyntheticCapture.h"
#include "chart/CapturePlot.h"
#include "platform/draw/CRecordingDC.h"

namespace {

double g_capture[CAPTURE_CHANNELS][CAPTURE_FRAMES];

TEST(CapturePlot, PlotAreaFollowsTheClientArea)
{
    struct {
        RECT client;
        RECT plot;
    } cases[] = {
        {{0, 0, 300, 200}, {125, 65, 297, 197}},
        {{0, 0, 150, 200}, {125, 65, 175, 197}},
        {{0, 0, 100, 80}, {125, 65, 175, 115}},
    };
    for (const auto& c : cases) {
        RECT r = CapturePlotRect(c.client);
        EXPECT_EQ(r.left, c.plot.left);
        EXPECT_EQ(r.top, c.plot.top);
        EXPECT_EQ(r.right, c.plot.right);
        EXPECT_EQ(r.bottom, c.plot.bottom);
    }
}

TEST(CapturePlot, OneLinePerChannelInTheRowColours)
{
    FillSines(g_capture);
    CRecordingDC dc;
    DrawCapturePlot(dc, RECT{0, 0, 800, 500}, g_capture, 2, 31250);
    auto frames = dc.Calls(DCOP::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].pts[0].x, 125);
    EXPECT_EQ(frames[0].pts[1].y, 497);
    auto lines = dc.Calls(DCOP::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen.lopnColor, RGB(255, 0, 0));
    EXPECT_EQ(lines[1].pen.lopnColor, RGB(0, 0, 0));
    EXPECT_EQ(lines[0].pts.size(), 200u);

    std::vector<std::string> texts;
    for (const DCCALL& c : dc.Calls(DCOP::TextOut))
        texts.push_back(c.strText);
    // x ticks first, then y ticks (8000 is channel 1's amplitude), the y title last.
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 4),
              (std::vector<std::string>{"0", "0.002", "0.004", "0.006"}));
    EXPECT_EQ(texts.back(), "amplitude");
    ASSERT_EQ(dc.Calls(DCOP::DrawText).size(), 1u);
    EXPECT_EQ(dc.Calls(DCOP::DrawText)[0].strText, "time");
}

TEST(CapturePlot, NoChannelLeavesTheEmptyFrame)
{
    FillSines(g_capture);
    for (int n : {0, -3}) {
        CRecordingDC dc;
        DrawCapturePlot(dc, RECT{0, 0, 800, 500}, g_capture, n, 31250);
        EXPECT_EQ(dc.Calls(DCOP::Rectangle).size(), 1u);
        EXPECT_TRUE(dc.Calls(DCOP::Polyline).empty());
        EXPECT_TRUE(dc.Calls(DCOP::TextOut).empty());
    }
    // More rows than exist are held to six.
    CRecordingDC dc;
    DrawCapturePlot(dc, RECT{0, 0, 800, 500}, g_capture, 9, 31250);
    EXPECT_EQ(dc.Calls(DCOP::Polyline).size(), 6u);
}

TEST(CapturePlot, SilentCaptureShowsFlatLinesOnAUnitAxis)
{
    static double zeros[CAPTURE_CHANNELS][CAPTURE_FRAMES] = {};
    CRecordingDC dc;
    DrawCapturePlot(dc, RECT{0, 0, 800, 500}, zeros, 3, 31250);
    std::vector<std::string> yLabels;
    auto texts = dc.Calls(DCOP::TextOut);
    for (size_t i = 4; i + 1 < texts.size(); ++i)
        yLabels.push_back(texts[i].strText);
    EXPECT_EQ(yLabels, (std::vector<std::string>{"-1", "-0.5", "0", "0.5", "1"}));
    auto lines = dc.Calls(DCOP::Polyline);
    ASSERT_EQ(lines.size(), 3u);
    // Flat, at the tick labelled 0 (labels are 14 high, centred on their tick).
    int y = lines[0].pts[0].y;
    for (const POINT& p : lines[0].pts)
        EXPECT_EQ(p.y, y);
    EXPECT_NEAR(y, texts[6].pts[0].y + 7, 1);
}

TEST(CapturePlot, TinyWindowAndOddRatesStillDrawSafely)
{
    FillSines(g_capture);
    CRecordingDC dc;
    DrawCapturePlot(dc, RECT{0, 0, 10, 10}, g_capture, 6, 31250);
    EXPECT_EQ(dc.Calls(DCOP::Rectangle).size(), 1u);
    EXPECT_TRUE(dc.Calls(DCOP::Polyline).empty());
    CRecordingDC dc2;
    DrawCapturePlot(dc2, RECT{0, 0, 800, 500}, g_capture, 1, 0);
    EXPECT_EQ(dc2.Calls(DCOP::Polyline).size(), 1u);
    CRecordingDC dc3;
    DrawCapturePlot(dc3, RECT{0, 0, 800, 500}, nullptr, 6, 31250);
    EXPECT_TRUE(dc3.Calls(DCOP::Polyline).empty());
}

}  // namespace
