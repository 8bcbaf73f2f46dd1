#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "platform/draw/CPainterDC.h"
#include "tests/platform/draw/GuiEnvironment.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// Paints on a white 100 × 100 image through the painter-backed context. 32-bit images take
// the direct line path; 24-bit ones leave every line to the painter.
QImage Paint(const std::function<void(CDC&)>& draw, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(100, 100, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        CPainterDC dc(painter, RECT{0, 0, 100, 100});
        draw(dc);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000;
}

// Bounding box of every pixel that is not white (right and bottom exclusive).
QRect Inked(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (At(image, x, y) != kWhite)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

TEST(PainterDC, LinesLeaveOutTheirEndPixel)
{
    QImage image = Paint([](CDC& dc) {
        dc.MoveTo(10, 10);
        dc.LineTo(20, 10);
        dc.MoveTo(50, 10);
        dc.LineTo(50, 30);
        dc.MoveTo(60, 60);
        dc.LineTo(70, 70);
    });
    EXPECT_EQ(At(image, 10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(At(image, 19, 10), qRgb(0, 0, 0));
    EXPECT_EQ(At(image, 20, 10), kWhite);
    EXPECT_EQ(At(image, 50, 29), qRgb(0, 0, 0));
    EXPECT_EQ(At(image, 50, 30), kWhite);
    EXPECT_EQ(At(image, 69, 69), qRgb(0, 0, 0));
    EXPECT_EQ(At(image, 70, 70), kWhite);
}

TEST(PainterDC, RectangleOutlinesWithThePenFillsWithTheBrushAndExcludesRightAndBottom)
{
    QImage image = Paint([](CDC& dc) {
        CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
        CBrush brush(RGB(0, 255, 0));
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.Rectangle(10, 10, 30, 20);
    });
    EXPECT_EQ(Inked(image), QRect(QPoint(10, 10), QPoint(29, 19)));
    EXPECT_EQ(At(image, 10, 15), qRgb(255, 0, 0));
    EXPECT_EQ(At(image, 29, 15), qRgb(255, 0, 0));
    EXPECT_EQ(At(image, 20, 19), qRgb(255, 0, 0));
    EXPECT_EQ(At(image, 20, 15), qRgb(0, 255, 0));
}

TEST(PainterDC, EllipseAndPolygonStayInTheirBoundsAndAreFilled)
{
    QImage ellipse = Paint([](CDC& dc) {
        CBrush brush(RGB(0, 0, 255));
        dc.SelectObject(&brush);
        dc.Ellipse(10, 10, 31, 31);
    });
    EXPECT_TRUE(QRect(QPoint(10, 10), QPoint(30, 30)).contains(Inked(ellipse)));
    EXPECT_EQ(At(ellipse, 20, 20), qRgb(0, 0, 255));

    QImage polygon = Paint([](CDC& dc) {
        CBrush brush(RGB(255, 0, 255));
        dc.SelectObject(&brush);
        POINT pts[3] = {{10, 80}, {40, 20}, {70, 80}};
        dc.Polygon(pts, 3);
    });
    EXPECT_EQ(At(polygon, 40, 60), qRgb(255, 0, 255));
    EXPECT_EQ(At(polygon, 12, 25), kWhite);
}

TEST(PainterDC, TextStartsAtItsTopLeftAndEscapement900RunsUpward)
{
    LOGFONT lf;
    lf.lfHeight = 20;
    std::string text = "WWWW";
    SIZE size;
    QImage level = Paint([&](CDC& dc) {
        CFont font;
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        size = dc.GetTextExtent(text);
        dc.TextOut(10, 30, text);
    });
    QRect box = Inked(level);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(QRect(10, 30, size.cx, size.cy).contains(box));
    EXPECT_GT(box.width(), box.height());

    lf.lfEscapement = 900;
    QImage upward = Paint([&](CDC& dc) {
        CFont font;
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(10, 90, text);
    });
    box = Inked(upward);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(QRect(10, 90 - size.cx, size.cy + 1, size.cx + 1).contains(box));
    EXPECT_GT(box.height(), box.width());
}

TEST(PainterDC, ClipRegionHoldsDrawingInsideAndCanBeRemoved)
{
    QImage image = Paint([](CDC& dc) {
        CRgn rgn;
        rgn.CreateRectRgn(0, 0, 50, 100);
        dc.SelectClipRgn(&rgn);
        dc.MoveTo(0, 10);
        dc.LineTo(100, 10);
        dc.SelectClipRgn(nullptr);
        dc.MoveTo(0, 20);
        dc.LineTo(100, 20);
    });
    EXPECT_EQ(At(image, 49, 10), qRgb(0, 0, 0));
    EXPECT_EQ(At(image, 50, 10), kWhite);
    EXPECT_EQ(At(image, 90, 20), qRgb(0, 0, 0));
}

TEST(PainterDC, DottedPenLeavesGaps)
{
    QImage image = Paint([](CDC& dc) {
        CPen pen(PS_DOT, 1, RGB(192, 192, 192));
        dc.SelectObject(&pen);
        dc.MoveTo(0, 50);
        dc.LineTo(40, 50);
    });
    int nInked = 0;
    for (int x = 0; x < 40; ++x)
        nInked += At(image, x, 50) != kWhite;
    EXPECT_GT(nInked, 10);
    EXPECT_LT(nInked, 30);
}

TEST(PainterDC, DirectLinesMatchThePaintersLines)
{
    // A fan of segments in every octant, each from the centre, plus a polyline.
    auto draw = [](CDC& dc) {
        const POINT ends[] = {{90, 50}, {90, 70}, {70, 90}, {50, 90}, {30, 90}, {10, 70},
                              {10, 50}, {10, 30}, {30, 10}, {50, 10}, {70, 10}, {90, 30}};
        for (const POINT& p : ends) {
            dc.MoveTo(50, 50);
            dc.LineTo(p.x, p.y);
        }
        POINT zigzag[] = {{5, 95}, {25, 60}, {45, 95}, {65, 60}};
        dc.Polyline(zigzag, 4);
    };
    QImage direct = Paint(draw, QImage::Format_RGB32);
    QImage painted = Paint(draw, QImage::Format_RGB888);
    auto inked = [](const QImage& image, int x, int y) {
        return x >= 0 && y >= 0 && x < 100 && y < 100 && At(image, x, y) != kWhite;
    };
    int nDirect = 0, nPainted = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            nDirect += inked(direct, x, y);
            nPainted += inked(painted, x, y);
            if (!inked(direct, x, y))
                continue;
            // Each direct pixel has a painted one at most a pixel away.
            bool bNear = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    bNear = bNear || inked(painted, x + dx, y + dy);
            EXPECT_TRUE(bNear) << x << ", " << y;
        }
    }
    EXPECT_NEAR(nDirect, nPainted, nPainted / 20);
    // Ends are left out on both paths.
    EXPECT_FALSE(inked(direct, 90, 50));
    EXPECT_FALSE(inked(direct, 65, 60));
}

}  // namespace
