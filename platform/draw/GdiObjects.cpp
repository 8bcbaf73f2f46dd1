#include "platform/draw/GdiObjects.h"

#include <algorithm>

BOOL CGdiObject::DeleteObject()
{
    BOOL bWas = m_bCreated;
    m_bCreated = FALSE;
    return bWas;
}

BOOL CPen::CreatePen(int nStyle, int nWidth, COLORREF crColor)
{
    m_log.lopnStyle = (nStyle == PS_DOT || nStyle == PS_DASH) ? nStyle : PS_SOLID;
    m_log.lopnWidth = std::max(nWidth, 0);
    m_log.lopnColor = crColor;
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    m_crColor = crColor;
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* pLogFont)
{
    if (!pLogFont)
        return FALSE;
    m_log = *pLogFont;
    m_log.lfFaceName[LF_FACESIZE - 1] = '\0';
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CRgn::CreateRectRgn(int nLeft, int nTop, int nRight, int nBottom)
{
    SetRectRgn(nLeft, nTop, nRight, nBottom);
    m_bCreated = TRUE;
    return TRUE;
}

BOOL CRgn::CreateRectRgnIndirect(const RECT* pRect)
{
    if (!pRect)
        return FALSE;
    return CreateRectRgn(pRect->left, pRect->top, pRect->right, pRect->bottom);
}

void CRgn::SetRectRgn(int nLeft, int nTop, int nRight, int nBottom)
{
    // A region is normalised: an inverted rectangle still describes the same area.
    m_rect = RECT{std::min(nLeft, nRight), std::min(nTop, nBottom), std::max(nLeft, nRight),
                  std::max(nTop, nBottom)};
}
