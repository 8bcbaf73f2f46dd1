#pragma once
// A device context over a QPainter: the window paints through it, and the PNG export
// paints a QImage. The painter must stay active while the context is used; its state is
// saved at construction and restored at destruction.
#include <QFont>
#include <QFontMetrics>
#include <QPen>

#include "platform/draw/CDC.h"
#include "platform/draw/ImageLines.h"

class QPainter;

class CPainterDC : public CDC {
public:
    // bounds: the painted device's area in device pixels.
    CPainterDC(QPainter& painter, const RECT& bounds);
    ~CPainterDC() override;

    // Fonts named in font records map to installed families; "Swiss" and an empty name
    // mean the default sans-serif.
    static QFont MakeFont(const LOGFONT& lf);

protected:
    void DoLine(POINT from, POINT to) override;
    void DoPolyline(const POINT* pPoints, int nCount) override;
    void DoPolygon(const POINT* pPoints, int nCount) override;
    void DoRectangle(const RECT& rect) override;
    void DoEllipse(const RECT& rect) override;
    void DoTextOut(int x, int y, const std::string& strText) override;
    SIZE DoTextExtent(const std::string& strText) const override;
    void DoClip() override;

private:
    void ApplyPen();
    void ApplyFont() const;
    // TRUE when a segment may go to the image directly: a solid one-pixel pen.
    BOOL DirectLines() const;
    QRect ClipRect() const;

    QPainter& m_painter;
    CImageLines m_lines;
    LOGPEN m_penApplied;
    BOOL m_bPenApplied = FALSE;
    mutable LOGFONT m_fontApplied;
    mutable BOOL m_bFontApplied = FALSE;
    mutable QFont m_qfont;
    mutable QFontMetrics m_metrics;
};
