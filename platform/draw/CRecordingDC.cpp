#include "platform/draw/CRecordingDC.h"

#include <algorithm>
#include <cstdlib>

CRecordingDC::CRecordingDC(const RECT& bounds) : CDC(bounds) {}

std::vector<DCCALL> CRecordingDC::Calls(DCOP op) const
{
    std::vector<DCCALL> out;
    for (const DCCALL& call : m_calls) {
        if (call.op == op)
            out.push_back(call);
    }
    return out;
}

DCCALL& CRecordingDC::Add(DCOP op)
{
    DCCALL& call = m_calls.emplace_back();
    call.op = op;
    call.pen = GetCurrentPen();
    call.crBrush = GetCurrentBrushColor();
    call.font = GetCurrentFont();
    call.crText = GetTextColor();
    return call;
}

COLORREF CRecordingDC::SetBkColor(COLORREF crColor)
{
    Add(DCOP::SetBkColor).nValue = static_cast<int>(crColor);
    return CDC::SetBkColor(crColor);
}

COLORREF CRecordingDC::SetTextColor(COLORREF crColor)
{
    Add(DCOP::SetTextColor).nValue = static_cast<int>(crColor);
    return CDC::SetTextColor(crColor);
}

int CRecordingDC::SetBkMode(int nMode)
{
    Add(DCOP::SetBkMode).nValue = nMode;
    return CDC::SetBkMode(nMode);
}

CPen* CRecordingDC::SelectObject(CPen* pPen)
{
    CPen* pOld = CDC::SelectObject(pPen);
    Add(DCOP::SelectPen);
    return pOld;
}

CBrush* CRecordingDC::SelectObject(CBrush* pBrush)
{
    CBrush* pOld = CDC::SelectObject(pBrush);
    Add(DCOP::SelectBrush);
    return pOld;
}

CFont* CRecordingDC::SelectObject(CFont* pFont)
{
    CFont* pOld = CDC::SelectObject(pFont);
    Add(DCOP::SelectFont);
    return pOld;
}

int CRecordingDC::SelectClipRgn(CRgn* pRgn)
{
    DCCALL& call = Add(DCOP::SelectClipRgn);
    if (pRgn && pRgn->IsCreated()) {
        const RECT& rc = pRgn->GetBox();
        call.nValue = 1;
        call.pts = {POINT{rc.left, rc.top}, POINT{rc.right, rc.bottom}};
    }
    return CDC::SelectClipRgn(pRgn);
}

POINT CRecordingDC::MoveTo(int x, int y)
{
    Add(DCOP::MoveTo).pts = {POINT{x, y}};
    return CDC::MoveTo(x, y);
}

BOOL CRecordingDC::LineTo(int x, int y)
{
    Add(DCOP::LineTo).pts = {GetCurrentPosition(), POINT{x, y}};
    return CDC::LineTo(x, y);
}

BOOL CRecordingDC::Polyline(const POINT* pPoints, int nCount)
{
    DCCALL& call = Add(DCOP::Polyline);
    if (pPoints && nCount > 0)
        call.pts.assign(pPoints, pPoints + nCount);
    return CDC::Polyline(pPoints, nCount);
}

BOOL CRecordingDC::Polygon(const POINT* pPoints, int nCount)
{
    DCCALL& call = Add(DCOP::Polygon);
    if (pPoints && nCount > 0)
        call.pts.assign(pPoints, pPoints + nCount);
    return CDC::Polygon(pPoints, nCount);
}

BOOL CRecordingDC::Rectangle(int x1, int y1, int x2, int y2)
{
    Add(DCOP::Rectangle).pts = {POINT{x1, y1}, POINT{x2, y2}};
    return CDC::Rectangle(x1, y1, x2, y2);
}

BOOL CRecordingDC::Ellipse(int x1, int y1, int x2, int y2)
{
    Add(DCOP::Ellipse).pts = {POINT{x1, y1}, POINT{x2, y2}};
    return CDC::Ellipse(x1, y1, x2, y2);
}

BOOL CRecordingDC::TextOut(int x, int y, const std::string& strText)
{
    DCCALL& call = Add(DCOP::TextOut);
    call.pts = {POINT{x, y}};
    call.strText = strText;
    return CDC::TextOut(x, y, strText);
}

int CRecordingDC::DrawText(const std::string& strText, RECT* pRect, UINT nFormat)
{
    DCCALL& call = Add(DCOP::DrawText);
    call.strText = strText;
    call.nValue = static_cast<int>(nFormat);
    if (pRect)
        call.pts = {POINT{pRect->left, pRect->top}, POINT{pRect->right, pRect->bottom}};
    return CDC::DrawText(strText, pRect, nFormat);
}

SIZE CRecordingDC::CharSize(const LOGFONT& font)
{
    long long h = font.lfHeight == 0 ? 16 : std::llabs(font.lfHeight);
    h = std::min<long long>(h, 1 << 20);
    return SIZE{static_cast<int>((h + 1) / 2), static_cast<int>(h)};
}

int CRecordingDC::CountChars(const std::string& strUtf8)
{
    int n = 0;
    for (unsigned char c : strUtf8) {
        if ((c & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

SIZE CRecordingDC::DoTextExtent(const std::string& strText) const
{
    SIZE ch = CharSize(GetCurrentFont());
    return SIZE{ch.cx * CountChars(strText), ch.cy};
}
