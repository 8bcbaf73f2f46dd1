#pragma once
// The device context the chart draws on. The base keeps the state every surface shares
// (selections, colours, pen position, clip box); a surface supplies the pixels.
// y grows downward; right and bottom edges of rectangles are exclusive.
#include <string>

#include "platform/draw/GdiObjects.h"

class CDC {
public:
    // bounds: the device's drawable area, reported by GetClipBox while no clip region is set.
    explicit CDC(const RECT& bounds);
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    virtual int GetClipBox(RECT* pRect) const;
    virtual COLORREF SetBkColor(COLORREF crColor);
    virtual COLORREF SetTextColor(COLORREF crColor);
    virtual int SetBkMode(int nMode);

    // Each returns the object selected before, or null (nothing changes) for an object
    // that was never created. The stock objects returned first belong to the context.
    virtual CPen* SelectObject(CPen* pPen);
    virtual CBrush* SelectObject(CBrush* pBrush);
    virtual CFont* SelectObject(CFont* pFont);
    // Copies the region; null removes clipping. Returns the region kind.
    virtual int SelectClipRgn(CRgn* pRgn);

    virtual POINT MoveTo(int x, int y);
    // Draws from the pen position, leaving out the end pixel, and moves the pen there.
    virtual BOOL LineTo(int x, int y);
    virtual BOOL Polyline(const POINT* pPoints, int nCount);
    virtual BOOL Polygon(const POINT* pPoints, int nCount);
    virtual BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(const RECT* pRect);
    virtual BOOL Ellipse(int x1, int y1, int x2, int y2);
    // (x, y) is the top-left of the text before any escapement turns it.
    virtual BOOL TextOut(int x, int y, const std::string& strText);
    // Only DT_SINGLELINE with DT_CENTER | DT_VCENTER is honoured; returns the text height.
    virtual int DrawText(const std::string& strText, RECT* pRect, UINT nFormat);
    virtual SIZE GetTextExtent(const std::string& strText) const;

    POINT GetCurrentPosition() const { return m_ptPos; }
    const LOGPEN& GetCurrentPen() const { return m_pen; }
    COLORREF GetCurrentBrushColor() const { return m_crBrush; }
    const LOGFONT& GetCurrentFont() const { return m_font; }
    COLORREF GetBkColor() const { return m_crBk; }
    COLORREF GetTextColor() const { return m_crText; }
    int GetBkMode() const { return m_nBkMode; }
    BOOL HasClip() const { return m_bClip; }
    const RECT& GetBounds() const { return m_bounds; }

protected:
    // The pixels. Arguments are already normalised; state is read through the getters.
    virtual void DoLine(POINT from, POINT to) = 0;
    virtual void DoPolyline(const POINT* pPoints, int nCount) = 0;
    virtual void DoPolygon(const POINT* pPoints, int nCount) = 0;
    virtual void DoRectangle(const RECT& rect) = 0;
    virtual void DoEllipse(const RECT& rect) = 0;
    virtual void DoTextOut(int x, int y, const std::string& strText) = 0;
    virtual SIZE DoTextExtent(const std::string& strText) const = 0;
    virtual void DoClip() = 0;

private:
    RECT m_bounds;
    CPen m_stockPen;
    CBrush m_stockBrush;
    CFont m_stockFont;
    CPen* m_pPen;
    CBrush* m_pBrush;
    CFont* m_pFont;
    LOGPEN m_pen;
    COLORREF m_crBrush;
    LOGFONT m_font;
    COLORREF m_crBk = RGB(255, 255, 255);
    COLORREF m_crText = RGB(0, 0, 0);
    int m_nBkMode = OPAQUE;
    POINT m_ptPos;
    BOOL m_bClip = FALSE;
    RECT m_rcClip;
};
