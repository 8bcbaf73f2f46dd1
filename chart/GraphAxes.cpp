// Layout of the plot inside the chart rectangle, the frame, ticks, labels and titles.
#include <algorithm>
#include <cstring>

#include "chart/CGraph.h"
#include "chart/Markers.h"
#include "chart/NumberText.h"

namespace {

constexpr double kLabelFontSize = 12;
constexpr double kTitleFontSize = 15;
constexpr int kTickIntervals = 3;
constexpr int kMinDataArea = 10;

LOGFONT MakeChartFont(int nHeight, int nEscapement)
{
    LOGFONT lf;
    lf.lfHeight = nHeight;
    lf.lfEscapement = nEscapement;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision = OUT_STROKE_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = FF_SWISS;
    std::strncpy(lf.lfFaceName, "Swiss", LF_FACESIZE - 1);
    return lf;
}

}  // namespace

int CGraph::ComputeTicks(char cAxis, int nIntervals, double& dMin, double& dMax, double& dFirst,
                         double& dLast, double& dStep)
{
    graph::SettleRange(dMin, dMax);
    graph::TICKS t = graph::ComputeTickSpan(nIntervals, dMin, dMax, m_bExtendToTicks);
    dFirst = t.dFirst;
    dLast = t.dLast;
    dStep = t.dStep;
    SIZE size8 = m_pDC ? m_pDC->GetTextExtent("8") : SIZE{};
    if (cAxis != 'y')
        return size8.cy + 4;
    int nLongest = 0;
    graph::ForEachTick(t, 0.5, [&](double v) {
        nLongest = std::max(nLongest,
                            graph::CountChars(graph::FormatTickLabel(v, t.dStep, m_bYEngineering)));
    });
    return nLongest * size8.cx + 4;
}

int CGraph::DrawAxes()
{
    LOGFONT lfLabel = MakeChartFont(graph::TruncToInt(kLabelFontSize * m_dScale + 0.5), 0);
    CFont fontLabel;
    fontLabel.CreateFontIndirect(&lfLabel);
    CFont* pOldFont = m_pDC->SelectObject(&fontLabel);

    graph::SettleRange(m_dXMin, m_dXMax);
    graph::SettleRange(m_dYMin, m_dYMax);

    RECT rc = m_rect;
    int nTitleBand = graph::TruncToInt(kTitleFontSize * m_dScale + 0.5);
    if (!m_strXLabel.empty())
        rc.bottom -= nTitleBand;
    if (!m_strYLabel.empty())
        rc.left += nTitleBand;
    m_rcFrame = rc;
    int mx = (m_rect.right - m_rect.left) / m_nXMarginDiv;
    int my = (m_rect.bottom - m_rect.top) / m_nYMarginDiv;

    graph::TICKS yTicks;
    graph::TICKS xTicks;
    int wy = ComputeTicks('y', kTickIntervals, m_dYMin, m_dYMax, yTicks.dFirst, yTicks.dLast,
                          yTicks.dStep);
    m_rcFrame.left = rc.left + wy;
    int hx = ComputeTicks('x', kTickIntervals, m_dXMin, m_dXMax, xTicks.dFirst, xTicks.dLast,
                          xTicks.dStep);
    m_rcFrame.bottom = rc.bottom - hx + 6;
    m_rcFrame.top = rc.top + 9 * g_nMarkerUnit;
    m_rcFrame.right = m_rect.right;

    int left = m_rcFrame.left + mx;
    int top = m_rcFrame.top + my;
    int right = m_rcFrame.right - mx;
    int bottom = m_rcFrame.bottom - my;

    // Keep the last x label inside the chart: pull the data area in by its overhang.
    int w = m_pDC->GetTextExtent(graph::FormatG(xTicks.dLast)).cx;
    int p = graph::TruncToInt((right - left) / (m_dXMax - m_dXMin) * (xTicks.dLast - m_dXMin) + 0.5);
    int d = m_rect.right - p - left - w / 2 - 1;
    if (d < 0)
        right += d;

    if (right - left < kMinDataArea || bottom - top < kMinDataArea) {
        m_pDC->SelectObject(pOldFont);
        return 0;
    }
    m_dXScale = (right - left) / (m_dXMax - m_dXMin);
    m_dYScale = (bottom - top) / (m_dYMax - m_dYMin);
    m_nX0 = left;
    m_nY0 = bottom;

    const RECT& f = m_rcFrame;
    m_pDC->MoveTo(f.left, f.top);
    m_pDC->LineTo(f.left, f.bottom);
    m_pDC->LineTo(f.right, f.bottom);
    m_pDC->LineTo(f.right, f.top);
    m_pDC->LineTo(f.left, f.top);

    DrawTicks(xTicks, yTicks, rc);
    m_pDC->SelectObject(pOldFont);
    DrawTitles(rc);
    return 1;
}

void CGraph::DrawTicks(const graph::TICKS& xTicks, const graph::TICKS& yTicks, const RECT& rc)
{
    CPen penTick;
    if (m_bGrid)
        penTick.CreatePen(m_nGridStyle, 1, m_crGrid);
    else
        penTick.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* pOldPen = m_pDC->SelectObject(&penTick);

    const RECT& f = m_rcFrame;
    int t = std::max((m_rect.right - m_rect.left) / 100, 3);
    if (m_bGrid)
        t = f.bottom - f.top;
    SIZE size8 = m_pDC->GetTextExtent("8");
    int cx = size8.cx;
    int cy = size8.cy;

    graph::ForEachTick(xTicks, 1.0 / 3, [&](double v) {
        int px = graph::TruncToInt(m_nX0 + (v - m_dXMin) * m_dXScale + 0.5);
        m_pDC->MoveTo(px, f.top);
        m_pDC->LineTo(px, f.top + t);
        m_pDC->MoveTo(px, f.bottom - 1);
        m_pDC->LineTo(px, f.bottom - 1 - t);
        std::string s = graph::FormatTickLabel(v, xTicks.dStep, m_bXEngineering);
        m_pDC->TextOut(px - (graph::CountChars(s) * cx) / 2, f.bottom + cy / 6, s);
    });

    if (m_bGrid)
        t = f.right - f.left;
    graph::ForEachTick(yTicks, 1.0 / 3, [&](double v) {
        int py = graph::TruncToInt(m_nY0 - (v - m_dYMin) * m_dYScale + 0.5);
        m_pDC->MoveTo(f.left, py);
        m_pDC->LineTo(f.left + t, py);
        m_pDC->MoveTo(f.right - 1, py);
        m_pDC->LineTo(f.right - 1 - t, py);
        std::string s = graph::FormatTickLabel(v, yTicks.dStep, m_bYEngineering);
        m_pDC->TextOut((f.left + rc.left - graph::CountChars(s) * cx) / 2, py - cy / 2, s);
    });
    m_pDC->SelectObject(pOldPen);
}

void CGraph::DrawTitles(const RECT& rc)
{
    int nHeight = graph::TruncToInt(kTitleFontSize * m_dScale + 0.5);
    if (!m_strXLabel.empty()) {
        LOGFONT lf = MakeChartFont(nHeight, 0);
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* pOld = m_pDC->SelectObject(&font);
        RECT band{m_rcFrame.left, rc.bottom, m_rect.right, m_rect.bottom};
        m_pDC->DrawText(m_strXLabel, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        m_pDC->SelectObject(pOld);
    }
    if (!m_strYLabel.empty()) {
        LOGFONT lf = MakeChartFont(nHeight, 900);
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* pOld = m_pDC->SelectObject(&font);
        int w = m_pDC->GetTextExtent(m_strYLabel).cx;
        m_pDC->TextOut(m_rect.left, (w + rc.bottom + rc.top) / 2, m_strYLabel);
        m_pDC->SelectObject(pOld);
    }
}
