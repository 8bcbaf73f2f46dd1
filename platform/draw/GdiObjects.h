#pragma once
// Pens, brushes, fonts and regions: plain descriptions that a device context copies when
// they are selected, so destroying one that is still selected cannot leave a dangling use.
#include "platform/draw/GdiTypes.h"

class CGdiObject {
public:
    BOOL IsCreated() const { return m_bCreated; }
    BOOL DeleteObject();

protected:
    BOOL m_bCreated = FALSE;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nStyle, int nWidth, COLORREF crColor) { CreatePen(nStyle, nWidth, crColor); }
    BOOL CreatePen(int nStyle, int nWidth, COLORREF crColor);
    const LOGPEN& GetLogPen() const { return m_log; }

private:
    LOGPEN m_log;
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    BOOL CreateSolidBrush(COLORREF crColor);
    COLORREF GetColor() const { return m_crColor; }

private:
    COLORREF m_crColor = RGB(255, 255, 255);
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONT* pLogFont);
    const LOGFONT& GetLogFont() const { return m_log; }

private:
    LOGFONT m_log;
};

class CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int nLeft, int nTop, int nRight, int nBottom);
    BOOL CreateRectRgnIndirect(const RECT* pRect);
    void SetRectRgn(int nLeft, int nTop, int nRight, int nBottom);
    const RECT& GetBox() const { return m_rect; }

private:
    RECT m_rect;
};
