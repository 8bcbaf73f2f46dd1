#include <gtest/gtest.h>

#include "platform/draw/CRecordingDC.h"

namespace {

TEST(RecordingDC, SelectionsReturnThePreviousObjectAndCopyTheirState)
{
    CRecordingDC dc;
    CPen red(PS_DOT, 2, RGB(255, 0, 0));
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* pStock = dc.SelectObject(&red);
    ASSERT_NE(pStock, nullptr);
    EXPECT_EQ(pStock->GetLogPen().lopnColor, RGB(0, 0, 0));
    EXPECT_EQ(dc.SelectObject(&blue), &red);
    EXPECT_EQ(dc.SelectObject(pStock), &blue);
    EXPECT_EQ(dc.GetCurrentPen().lopnColor, RGB(0, 0, 0));

    // A pen that was never created is refused and changes nothing.
    CPen unmade;
    EXPECT_EQ(dc.SelectObject(&unmade), nullptr);
    EXPECT_EQ(dc.GetCurrentPen().lopnColor, RGB(0, 0, 0));

    {
        CBrush brush(RGB(1, 2, 3));
        dc.SelectObject(&brush);
    }
    // The selection outlives the object: the state was copied.
    EXPECT_EQ(dc.GetCurrentBrushColor(), RGB(1, 2, 3));
}

TEST(RecordingDC, LineToRecordsItsStartAndMovesThePen)
{
    CRecordingDC dc;
    dc.MoveTo(3, 4);
    dc.LineTo(10, 4);
    dc.LineTo(10, 20);
    auto lines = dc.Calls(DCOP::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pts[0].x, 3);
    EXPECT_EQ(lines[0].pts[1].x, 10);
    EXPECT_EQ(lines[1].pts[0].y, 4);
    EXPECT_EQ(lines[1].pts[1].y, 20);
    EXPECT_EQ(dc.GetCurrentPosition().y, 20);
}

TEST(RecordingDC, TextMetricsAreFixedByFontHeightAndCountCharactersNotBytes)
{
    CRecordingDC dc;
    LOGFONT lf;
    lf.lfHeight = 12;
    CFont font;
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    EXPECT_EQ(dc.GetTextExtent("8").cx, 6);
    EXPECT_EQ(dc.GetTextExtent("8").cy, 12);
    EXPECT_EQ(dc.GetTextExtent("2.2\xC2\xB5").cx, 4 * 6);
    lf.lfHeight = -15;
    EXPECT_EQ(CRecordingDC::CharSize(lf).cx, 8);
    EXPECT_EQ(CRecordingDC::CharSize(lf).cy, 15);
}

TEST(RecordingDC, DrawTextCentresOneLineInItsRectangle)
{
    CRecordingDC dc;  // stock font: 16 high, 8 wide
    RECT rc{0, 0, 100, 40};
    EXPECT_EQ(dc.DrawText("time", &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 16);
    ASSERT_EQ(dc.Calls(DCOP::DrawText).size(), 1u);
    EXPECT_EQ(dc.Calls(DCOP::DrawText)[0].strText, "time");
}

TEST(RecordingDC, ClipBoxFollowsTheSelectedRegion)
{
    CRecordingDC dc(RECT{0, 0, 640, 480});
    RECT rc;
    EXPECT_EQ(dc.GetClipBox(&rc), SIMPLEREGION);
    EXPECT_EQ(rc.right, 640);
    CRgn rgn;
    rgn.CreateRectRgn(50, 60, 10, 20);  // inverted corners describe the same area
    dc.SelectClipRgn(&rgn);
    dc.GetClipBox(&rc);
    EXPECT_EQ(rc.left, 10);
    EXPECT_EQ(rc.top, 20);
    EXPECT_EQ(rc.right, 50);
    EXPECT_EQ(rc.bottom, 60);
    dc.SelectClipRgn(nullptr);
    EXPECT_FALSE(dc.HasClip());
    dc.GetClipBox(&rc);
    EXPECT_EQ(rc.bottom, 480);
}

TEST(RecordingDC, DegeneratePolylinesAreRefused)
{
    CRecordingDC dc;
    POINT one{1, 1};
    EXPECT_FALSE(dc.Polyline(&one, 1));
    EXPECT_FALSE(dc.Polygon(nullptr, 3));
    EXPECT_FALSE(dc.Rectangle(nullptr));
}

}  // namespace
