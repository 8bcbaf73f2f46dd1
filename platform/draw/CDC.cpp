#include "platform/draw/CDC.h"

#include <algorithm>
#include <utility>

namespace {

RECT Normalised(int x1, int y1, int x2, int y2)
{
    return RECT{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

}  // namespace

CDC::CDC(const RECT& bounds)
    : m_bounds(Normalised(bounds.left, bounds.top, bounds.right, bounds.bottom))
{
    m_stockPen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_stockBrush.CreateSolidBrush(RGB(255, 255, 255));
    LOGFONT lf;
    lf.lfHeight = 16;
    lf.lfWeight = FW_NORMAL;
    m_stockFont.CreateFontIndirect(&lf);
    m_pPen = &m_stockPen;
    m_pBrush = &m_stockBrush;
    m_pFont = &m_stockFont;
    m_pen = m_stockPen.GetLogPen();
    m_crBrush = m_stockBrush.GetColor();
    m_font = m_stockFont.GetLogFont();
}

int CDC::GetClipBox(RECT* pRect) const
{
    const RECT& rc = m_bClip ? m_rcClip : m_bounds;
    if (pRect)
        *pRect = rc;
    return (rc.right > rc.left && rc.bottom > rc.top) ? SIMPLEREGION : NULLREGION;
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return std::exchange(m_crBk, crColor);
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return std::exchange(m_crText, crColor);
}

int CDC::SetBkMode(int nMode)
{
    if (nMode != TRANSPARENT && nMode != OPAQUE)
        return 0;
    return std::exchange(m_nBkMode, nMode);
}

CPen* CDC::SelectObject(CPen* pPen)
{
    if (!pPen || !pPen->IsCreated())
        return nullptr;
    m_pen = pPen->GetLogPen();
    return std::exchange(m_pPen, pPen);
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    if (!pBrush || !pBrush->IsCreated())
        return nullptr;
    m_crBrush = pBrush->GetColor();
    return std::exchange(m_pBrush, pBrush);
}

CFont* CDC::SelectObject(CFont* pFont)
{
    if (!pFont || !pFont->IsCreated())
        return nullptr;
    m_font = pFont->GetLogFont();
    return std::exchange(m_pFont, pFont);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    if (pRgn && pRgn->IsCreated()) {
        m_bClip = TRUE;
        m_rcClip = pRgn->GetBox();
    } else {
        m_bClip = FALSE;
    }
    DoClip();
    return GetClipBox(nullptr);
}

POINT CDC::MoveTo(int x, int y)
{
    return std::exchange(m_ptPos, POINT{x, y});
}

BOOL CDC::LineTo(int x, int y)
{
    POINT from = std::exchange(m_ptPos, POINT{x, y});
    DoLine(from, m_ptPos);
    return TRUE;
}

BOOL CDC::Polyline(const POINT* pPoints, int nCount)
{
    if (!pPoints || nCount < 2)
        return FALSE;
    DoPolyline(pPoints, nCount);
    return TRUE;
}

BOOL CDC::Polygon(const POINT* pPoints, int nCount)
{
    if (!pPoints || nCount < 2)
        return FALSE;
    DoPolygon(pPoints, nCount);
    return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    DoRectangle(Normalised(x1, y1, x2, y2));
    return TRUE;
}

BOOL CDC::Rectangle(const RECT* pRect)
{
    if (!pRect)
        return FALSE;
    return Rectangle(pRect->left, pRect->top, pRect->right, pRect->bottom);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    DoEllipse(Normalised(x1, y1, x2, y2));
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const std::string& strText)
{
    if (!strText.empty())
        DoTextOut(x, y, strText);
    return TRUE;
}

int CDC::DrawText(const std::string& strText, RECT* pRect, UINT nFormat)
{
    if (!pRect)
        return 0;
    SIZE size = GetTextExtent(strText);
    int x = pRect->left;
    int y = pRect->top;
    if (nFormat & DT_CENTER)
        x = pRect->left + (pRect->right - pRect->left - size.cx) / 2;
    if ((nFormat & DT_VCENTER) && (nFormat & DT_SINGLELINE))
        y = pRect->top + (pRect->bottom - pRect->top - size.cy) / 2;
    if (!strText.empty())
        DoTextOut(x, y, strText);
    return size.cy;
}

SIZE CDC::GetTextExtent(const std::string& strText) const
{
    return DoTextExtent(strText);
}
