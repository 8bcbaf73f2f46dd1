#include "platform/draw/CPainterDC.h"

#include <QPainter>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

QColor ToQColor(COLORREF cr)
{
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

QString ToQString(const std::string& str)
{
    return QString::fromUtf8(str.data(), static_cast<qsizetype>(str.size()));
}

BOOL SamePen(const LOGPEN& a, const LOGPEN& b)
{
    return a.lopnStyle == b.lopnStyle && a.lopnWidth == b.lopnWidth && a.lopnColor == b.lopnColor;
}

BOOL SameFont(const LOGFONT& a, const LOGFONT& b)
{
    return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut &&
           std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

// Rectangles and ellipses cover left..right-1; a one-pixel outline of QRect(x, y, w, h)
// covers x..x+w, hence the width less one.
QRect OutlineRect(const RECT& rc)
{
    return QRect(rc.left, rc.top, rc.right - rc.left - 1, rc.bottom - rc.top - 1);
}

}  // namespace

CPainterDC::CPainterDC(QPainter& painter, const RECT& bounds)
    : CDC(bounds), m_painter(painter), m_lines(painter), m_metrics(QFont())
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setClipping(false);
}

CPainterDC::~CPainterDC()
{
    m_painter.restore();
}

QFont CPainterDC::MakeFont(const LOGFONT& lf)
{
    QFont font;
    std::string face(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    if (face.empty() || face == "Swiss" || (lf.lfPitchAndFamily & 0xF0) == FF_SWISS) {
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
        font.setStyleHint(QFont::SansSerif);
    } else {
        font.setFamilies({ToQString(face), QStringLiteral("DejaVu Sans")});
    }
    long long h = lf.lfHeight == 0 ? 16 : (lf.lfHeight < 0 ? -static_cast<long long>(lf.lfHeight)
                                                            : lf.lfHeight);
    // Beyond this a glyph costs more to raster than any plot is worth.
    int nPixels = static_cast<int>(std::clamp<long long>(h, 1, 2000));
    font.setPixelSize(nPixels);
    if (lf.lfHeight >= 0) {
        // A positive height is the whole character cell, not the em: shrink the em until
        // the line fits, so text stays inside the bands laid out for it.
        int nCell = QFontMetrics(font).height();
        if (nCell > nPixels)
            font.setPixelSize(std::max(1, (nPixels * nPixels + nCell / 2) / nCell));
    }
    font.setWeight(lf.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

void CPainterDC::ApplyPen()
{
    const LOGPEN& lp = GetCurrentPen();
    if (m_bPenApplied && SamePen(lp, m_penApplied))
        return;
    QPen pen(ToQColor(lp.lopnColor));
    int nWidth = std::clamp(lp.lopnWidth, 1, 1000);
    pen.setWidth(nWidth);
    // The cosmetic stroker is many times faster than outlining a one-pixel path.
    pen.setCosmetic(nWidth == 1);
    // A flat cap leaves out a one-pixel line's last pixel, as the chart's lines expect.
    pen.setCapStyle(nWidth == 1 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(nWidth == 1 ? Qt::MiterJoin : Qt::RoundJoin);
    if (lp.lopnStyle == PS_DOT)
        pen.setDashPattern({1.0, 1.0});
    else if (lp.lopnStyle == PS_DASH)
        pen.setDashPattern({6.0, 2.0});
    m_painter.setPen(pen);
    m_penApplied = lp;
    m_bPenApplied = TRUE;
}

void CPainterDC::ApplyFont() const
{
    const LOGFONT& lf = GetCurrentFont();
    if (m_bFontApplied && SameFont(lf, m_fontApplied))
        return;
    m_qfont = MakeFont(lf);
    m_metrics = QFontMetrics(m_qfont);
    m_fontApplied = lf;
    m_bFontApplied = TRUE;
}

BOOL CPainterDC::DirectLines() const
{
    const LOGPEN& lp = GetCurrentPen();
    return m_lines.IsUsable() && lp.lopnStyle == PS_SOLID && lp.lopnWidth <= 1;
}

QRect CPainterDC::ClipRect() const
{
    RECT rc;
    GetClipBox(&rc);
    return QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

void CPainterDC::DoLine(POINT from, POINT to)
{
    if (DirectLines()) {
        QRgb rgb = ToQColor(GetCurrentPen().lopnColor).rgb();
        if (m_lines.Line(ClipRect(), from.x, from.y, to.x, to.y, rgb))
            return;
    }
    ApplyPen();
    m_painter.drawLine(from.x, from.y, to.x, to.y);
}

void CPainterDC::DoPolyline(const POINT* pPoints, int nCount)
{
    if (DirectLines()) {
        QRgb rgb = ToQColor(GetCurrentPen().lopnColor).rgb();
        QRect clip = ClipRect();
        for (int i = 1; i < nCount; ++i) {
            const POINT& a = pPoints[i - 1];
            const POINT& b = pPoints[i];
            if (!m_lines.Line(clip, a.x, a.y, b.x, b.y, rgb)) {
                ApplyPen();
                m_painter.drawLine(a.x, a.y, b.x, b.y);
            }
        }
        return;
    }
    ApplyPen();
    QPolygon poly(nCount);
    for (int i = 0; i < nCount; ++i)
        poly.setPoint(i, pPoints[i].x, pPoints[i].y);
    m_painter.drawPolyline(poly);
}

void CPainterDC::DoPolygon(const POINT* pPoints, int nCount)
{
    ApplyPen();
    m_painter.setBrush(ToQColor(GetCurrentBrushColor()));
    QPolygon poly(nCount);
    for (int i = 0; i < nCount; ++i)
        poly.setPoint(i, pPoints[i].x, pPoints[i].y);
    m_painter.drawPolygon(poly, Qt::OddEvenFill);
}

void CPainterDC::DoRectangle(const RECT& rect)
{
    if (rect.right - rect.left < 1 || rect.bottom - rect.top < 1)
        return;
    ApplyPen();
    m_painter.setBrush(ToQColor(GetCurrentBrushColor()));
    m_painter.drawRect(OutlineRect(rect));
}

void CPainterDC::DoEllipse(const RECT& rect)
{
    if (rect.right - rect.left < 1 || rect.bottom - rect.top < 1)
        return;
    ApplyPen();
    m_painter.setBrush(ToQColor(GetCurrentBrushColor()));
    m_painter.drawEllipse(OutlineRect(rect));
}

void CPainterDC::DoTextOut(int x, int y, const std::string& strText)
{
    ApplyFont();
    QString text = ToQString(strText);
    int nEscapement = GetCurrentFont().lfEscapement;
    m_painter.save();
    m_painter.setFont(m_qfont);
    m_painter.translate(x, y);
    if (nEscapement != 0)
        m_painter.rotate(-nEscapement / 10.0);
    if (GetBkMode() == OPAQUE) {
        m_painter.fillRect(QRect(0, 0, m_metrics.horizontalAdvance(text), m_metrics.height()),
                           ToQColor(GetBkColor()));
    }
    m_painter.setPen(ToQColor(GetTextColor()));
    m_painter.drawText(0, m_metrics.ascent(), text);
    m_painter.restore();
}

SIZE CPainterDC::DoTextExtent(const std::string& strText) const
{
    ApplyFont();
    return SIZE{m_metrics.horizontalAdvance(ToQString(strText)), m_metrics.height()};
}

void CPainterDC::DoClip()
{
    RECT rc;
    GetClipBox(&rc);
    if (HasClip())
        m_painter.setClipRect(QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top));
    else
        m_painter.setClipping(false);
}
