#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "chart/CGraph3D.h"
#include "platform/draw/CRecordingDC.h"

namespace {

const double kUnit[] = {0, 1};
const double kCorners[] = {0, 1, 1, 0};  // z(i, j) for a 2 × 2 grid spanning 0 .. 1

TEST(Graph3D, BoxCentreAndCornerLandWhereTheProjectionPutsThem)
{
    CRecordingDC dc;
    RECT rc{0, 0, 440, 220};
    CGraph3D g(&dc, &rc);
    g.SetGridLines(FALSE, FALSE);
    g.DrawSurface(0, 2, 0, 2, 2, kUnit, kUnit, kCorners, GT_DOUBLE, GT_DOUBLE, GT_DOUBLE);
    POINT centre = g.Project(0.5, 0.5, 0.5);
    EXPECT_EQ(centre.x, 220);
    EXPECT_EQ(centre.y, 110);
    POINT corner = g.Project(1, 0, 0);
    EXPECT_EQ(corner.x, 220);
    EXPECT_EQ(corner.y, 100);

    // The box alone: nine of its twelve edges, in three strokes.
    EXPECT_EQ(dc.Calls(DCOP::MoveTo).size(), 3u);
    auto lines = dc.Calls(DCOP::LineTo);
    ASSERT_EQ(lines.size(), 9u);
    POINT start = g.Project(0, 0, 1);
    EXPECT_EQ(lines[0].pts[0].x, start.x);
    EXPECT_EQ(lines[0].pts[0].y, start.y);
    EXPECT_EQ(lines[8].pts[1].x, g.Project(1, 1, 0).x);
    EXPECT_EQ(lines[8].pts[1].y, g.Project(1, 1, 0).y);
}

TEST(Graph3D, FlatSurfaceIsDrawnAtMidHeightOfTheBox)
{
    CRecordingDC dc;
    RECT rc{0, 0, 440, 220};
    CGraph3D g(&dc, &rc);
    const double x[] = {0, 1, 2};
    const double y[] = {0, 1, 2, 3};
    double z[12];
    for (double& v : z)
        v = 5;
    g.DrawSurface(0, 3, 0, 4, 4, x, y, z, GT_DOUBLE, GT_DOUBLE, GT_DOUBLE);
    // The box spans z 4 .. 6; the mesh lies at 5, the middle.
    EXPECT_EQ(g.Project(1, 1.5, 5).y, 110);
    EXPECT_EQ(g.Project(1, 1.5, 4).y - 110, 110 - g.Project(1, 1.5, 6).y);
    // Box 9 + lines along y 3 × 3 + lines along x 4 × 3 (each starting with a zero length).
    auto lines = dc.Calls(DCOP::LineTo);
    ASSERT_EQ(lines.size(), 9u + 9u + 12u);
    POINT p = g.Project(x[2], y[3], 5);
    EXPECT_EQ(lines.back().pts[1].x, p.x);
    EXPECT_EQ(lines.back().pts[1].y, p.y);
}

TEST(Graph3D, ViewPresets)
{
    struct {
        int nPreset;
        CGraph3D::VIEW v;
    } cases[] = {
        {1, {1.0, 0.5, 1.0, -0.5, 0, 0.8}},
        {2, {0.5, 1.4, 1.5, 0, 0, 0.4}},
        {3, {1.0, 0.7, 1.0, -0.7, 0, 0.4}},
        {7, {0, 1.5, 2.0, 0, 0, 0.4}},
        {-1, {0, 1.5, 2.0, 0, 0, 0.4}},
    };
    CRecordingDC dc;
    RECT rc{0, 0, 100, 100};
    CGraph3D g(&dc, &rc);
    for (const auto& c : cases) {
        g.SetView(c.nPreset);
        const CGraph3D::VIEW& v = g.GetView();
        EXPECT_EQ(v.ax, c.v.ax) << c.nPreset;
        EXPECT_EQ(v.bx, c.v.bx) << c.nPreset;
        EXPECT_EQ(v.ay, c.v.ay) << c.nPreset;
        EXPECT_EQ(v.by, c.v.by) << c.nPreset;
        EXPECT_EQ(v.az, c.v.az) << c.nPreset;
        EXPECT_EQ(v.bz, c.v.bz) << c.nPreset;
    }
}

TEST(Graph3D, BadInputDrawsNothingOrSkipsTheBrokenPoints)
{
    CRecordingDC dc;
    RECT rc{0, 0, 440, 220};
    CGraph3D g(&dc, &rc);
    g.DrawSurface(2, 2, 0, 2, 2, kUnit, kUnit, kCorners, GT_DOUBLE, GT_DOUBLE, GT_DOUBLE);
    g.DrawSurface(0, 2, 0, 2, 2, nullptr, kUnit, kCorners, GT_DOUBLE, GT_DOUBLE, GT_DOUBLE);
    EXPECT_TRUE(dc.Calls().empty());

    const double z[] = {0, NAN, 1, 0};
    g.DrawSurface(0, 2, 0, 2, 2, kUnit, kUnit, z, GT_DOUBLE, GT_DOUBLE, GT_DOUBLE);
    for (const DCCALL& c : dc.Calls(DCOP::LineTo)) {
        EXPECT_LT(std::abs(c.pts[1].x), 1000);
        EXPECT_LT(std::abs(c.pts[1].y), 1000);
    }
}

TEST(Graph3D, CodeTwelveReadsBytesUnlikeTheChart)
{
    CRecordingDC dc;
    RECT rc{0, 0, 440, 220};
    CGraph3D g(&dc, &rc);
    const std::uint8_t bytes[] = {0, 200};
    g.SetGridLines(FALSE, FALSE);
    g.DrawSurface(0, 2, 0, 2, 2, bytes, kUnit, kCorners, GT_INDEX2, GT_DOUBLE, GT_DOUBLE);
    // x spans 0 .. 200: the point (200, 0, 0) is the box corner at x max.
    EXPECT_EQ(g.Project(200, 0, 0).x, 220);
}

}  // namespace
