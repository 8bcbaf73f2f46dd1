#pragma once
// A device context that draws nothing and keeps every call with its arguments and the
// state it ran under, so a test can assert exact coordinates. Text metrics are fixed:
// a character is (h + 1) / 2 wide and h high, h being the font's |lfHeight| (16 when 0).
#include <string>
#include <vector>

#include "platform/draw/CDC.h"

enum class DCOP {
    SetBkColor,
    SetTextColor,
    SetBkMode,
    SelectPen,
    SelectBrush,
    SelectFont,
    SelectClipRgn,
    MoveTo,
    LineTo,
    Polyline,
    Polygon,
    Rectangle,
    Ellipse,
    TextOut,
    DrawText,
};

struct DCCALL {
    DCOP op;
    // MoveTo: the target; LineTo: from, to; Polyline, Polygon: the points;
    // Rectangle, Ellipse, DrawText, SelectClipRgn: top-left and bottom-right.
    std::vector<POINT> pts;
    int nValue = 0;  // colour, mode, DrawText format; SelectClipRgn: 1 with a region
    std::string strText;
    LOGPEN pen;
    COLORREF crBrush = 0;
    LOGFONT font;
    COLORREF crText = 0;
};

class CRecordingDC : public CDC {
public:
    explicit CRecordingDC(const RECT& bounds = RECT{0, 0, 1000, 1000});

    const std::vector<DCCALL>& Calls() const { return m_calls; }
    std::vector<DCCALL> Calls(DCOP op) const;
    void Clear() { m_calls.clear(); }

    COLORREF SetBkColor(COLORREF crColor) override;
    COLORREF SetTextColor(COLORREF crColor) override;
    int SetBkMode(int nMode) override;
    CPen* SelectObject(CPen* pPen) override;
    CBrush* SelectObject(CBrush* pBrush) override;
    CFont* SelectObject(CFont* pFont) override;
    int SelectClipRgn(CRgn* pRgn) override;
    POINT MoveTo(int x, int y) override;
    BOOL LineTo(int x, int y) override;
    BOOL Polyline(const POINT* pPoints, int nCount) override;
    BOOL Polygon(const POINT* pPoints, int nCount) override;
    BOOL Rectangle(int x1, int y1, int x2, int y2) override;
    using CDC::Rectangle;
    BOOL Ellipse(int x1, int y1, int x2, int y2) override;
    BOOL TextOut(int x, int y, const std::string& strText) override;
    int DrawText(const std::string& strText, RECT* pRect, UINT nFormat) override;

    // The fixed metrics, also for a font that is not selected.
    static SIZE CharSize(const LOGFONT& font);
    static int CountChars(const std::string& strUtf8);

protected:
    void DoLine(POINT, POINT) override {}
    void DoPolyline(const POINT*, int) override {}
    void DoPolygon(const POINT*, int) override {}
    void DoRectangle(const RECT&) override {}
    void DoEllipse(const RECT&) override {}
    void DoTextOut(int, int, const std::string&) override {}
    SIZE DoTextExtent(const std::string& strText) const override;
    void DoClip() override {}

private:
    DCCALL& Add(DCOP op);

    std::vector<DCCALL> m_calls;
};
