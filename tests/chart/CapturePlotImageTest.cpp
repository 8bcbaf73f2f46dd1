#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <map>

#include "chart/CGraph.h"
#include "tests/chart/SyntheticCapture.h"
#include "chart/CapturePlotPng.h"
#include "platform/draw/CPainterDC.h"
#include "tests/platform/draw/GuiEnvironment.h"

namespace {

double g_capture[CAPTURE_CHANNELS][CAPTURE_FRAMES];

// The frame the plot lays out, found by laying out the same chart on a scratch image
// with the same fonts.
RECT LayoutFrame(int nWidth, int nHeight)
{
    QImage scratch(nWidth, nHeight, QImage::Format_RGB32);
    QPainter painter(&scratch);
    CPainterDC dc(painter, RECT{0, 0, nWidth, nHeight});
    RECT r = CapturePlotRect(RECT{0, 0, nWidth, nHeight});
    double x[CAPTURE_PLOTTED];
    for (int i = 0; i < CAPTURE_PLOTTED; ++i)
        x[i] = i / 31250.0;
    CGraph graph(&dc, &r);
    for (int j = 0; j < CAPTURE_CHANNELS; ++j)
        graph.AddCurve(CAPTURE_PLOTTED, x, g_capture[j], GF_LINE, 0, GT_DOUBLE, GT_DOUBLE, 1, 1, nullptr, nullptr);
    graph.SetLabels("time", "amplitude");
    EXPECT_EQ(graph.Draw(), 1);
    return graph.GetFrame();
}

TEST(CapturePlotImage, CurveColoursAppearInsideTheFrameAndNowhereElse)
{
    FillSines(g_capture);
    const int w = 1000, h = 600;
    QImage image = RenderCapturePlot(w, h, g_capture, CAPTURE_CHANNELS, 31250);
    ASSERT_FALSE(image.isNull());
    RECT f = LayoutFrame(w, h);

    // Row 1 is black like the text and the frame, so only the other five tell.
    std::map<QRgb, int> inside, outside;
    for (int row : {0, 2, 3, 4, 5}) {
        COLORREF cr = CaptureColor(row);
        inside[qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr))] = 0;
    }
    outside = inside;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            QRgb px = image.pixel(x, y) | 0xFF000000;
            auto it = inside.find(px);
            if (it == inside.end())
                continue;
            bool bIn = x > f.left && x < f.right && y > f.top && y < f.bottom;
            ++(bIn ? inside : outside)[px];
        }
    }
    for (const auto& [colour, n] : inside) {
        EXPECT_GT(n, 200) << std::hex << colour;
        EXPECT_EQ(outside[colour], 0) << std::hex << colour;
    }
    // The frame itself is there, in black.
    EXPECT_EQ(image.pixel(f.left, (f.top + f.bottom) / 2) | 0xFF000000, qRgb(0, 0, 0));
    // The framed area's outer corner and the white around it.
    EXPECT_EQ(image.pixel(125, 65) | 0xFF000000, qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(124, 64) | 0xFF000000, qRgb(255, 255, 255));
}

TEST(CapturePlotImage, PngIsWrittenAtTheAskedSizeAndRefusedWhenItCannotBe)
{
    FillSines(g_capture);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string path = QDir(dir.path()).filePath("plot.png").toStdString();
    ASSERT_TRUE(SaveCapturePlotPng(path, 640, 480, g_capture, 2, 31250));
    QImage back(QString::fromStdString(path));
    EXPECT_EQ(back.width(), 640);
    EXPECT_EQ(back.height(), 480);

    EXPECT_FALSE(SaveCapturePlotPng(path, 0, 480, g_capture, 2, 31250));
    EXPECT_FALSE(SaveCapturePlotPng(path, 640, 100000, g_capture, 2, 31250));
    EXPECT_FALSE(SaveCapturePlotPng(QDir(dir.path()).filePath("missing/plot.png").toStdString(), 640,
                                    480, g_capture, 2, 31250));
}

}  // namespace
