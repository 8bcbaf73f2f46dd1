// The curves: one polyline for plain lines under automatic ranges, otherwise point by
// point with markers, bars and computed clipping. Points with a NaN or infinite value are
// left out and break the line; the next finite point starts a new run.
#include <cmath>
#include <new>
#include <vector>

#include "chart/CGraph.h"
#include "chart/Markers.h"

namespace {

bool IsFinitePoint(double x, double y)
{
    return std::isfinite(x) && std::isfinite(y);
}

}  // namespace

void CGraph::DrawCurve(int nCurve)
{
    if (!IsUsable(nCurve))
        return;
    const GRAPHCURVE& curve = m_curves[nCurve];
    int n = curve.nCount;
    int nHalf = graph::TruncToInt((WorldToDeviceX(m_dXMax) - WorldToDeviceX(m_dXMin)) * 0.35 / n + 0.5);

    m_dPrevX = GetX(nCurve, 0);
    m_dPrevY = GetY(nCurve, 0);
    m_bPrevInside = IsInside(m_dPrevX, m_dPrevY);
    if ((!m_bFixedRange || m_bPrevInside) && IsFinitePoint(m_dPrevX, m_dPrevY))
        m_pDC->MoveTo(WorldToDeviceX(m_dPrevX), WorldToDeviceY(m_dPrevY));
    int nBaseY = WorldToDeviceY(m_dYMin);

    // The surfaces copy a selection, so these may go out of scope while selected.
    CPen pen(PS_SOLID, curve.nPenWidth, curve.crColor);
    CBrush brush(curve.crColor);
    m_pDC->SelectObject(&pen);
    m_pDC->SelectObject(&brush);

    if (!m_bFixedRange && curve.nFlags == GF_LINE)
        DrawPolyline(nCurve);
    else
        DrawPointByPoint(nCurve, nHalf, nBaseY);
}

void CGraph::DrawPolyline(int nCurve)
{
    int n = m_curves[nCurve].nCount;
    std::vector<POINT> pts;
    try {
        pts.reserve(static_cast<size_t>(n));
    } catch (const std::bad_alloc&) {
        // No room for the batch: the same lines, one call per point.
        bool bRun = false;
        for (int i = 0; i < n; ++i) {
            double x = GetX(nCurve, i);
            double y = GetY(nCurve, i);
            if (!IsFinitePoint(x, y)) {
                bRun = false;
                continue;
            }
            if (bRun)
                m_pDC->LineTo(WorldToDeviceX(x), WorldToDeviceY(y));
            else
                m_pDC->MoveTo(WorldToDeviceX(x), WorldToDeviceY(y));
            bRun = true;
        }
        return;
    }
    auto flush = [&] {
        if (pts.size() >= 2)
            m_pDC->Polyline(pts.data(), static_cast<int>(pts.size()));
        pts.clear();
    };
    for (int i = 0; i < n; ++i) {
        double x = GetX(nCurve, i);
        double y = GetY(nCurve, i);
        if (!IsFinitePoint(x, y)) {
            flush();
            continue;
        }
        pts.push_back(POINT{WorldToDeviceX(x), WorldToDeviceY(y)});
    }
    flush();
}

void CGraph::StartRun(double x, double y)
{
    m_dPrevX = x;
    m_dPrevY = y;
    m_bPrevInside = IsInside(x, y);
    if (!m_bFixedRange || m_bPrevInside)
        m_pDC->MoveTo(WorldToDeviceX(x), WorldToDeviceY(y));
}

void CGraph::DrawPointByPoint(int nCurve, int nHalf, int nBaseY)
{
    const GRAPHCURVE& curve = m_curves[nCurve];
    const int f = curve.nFlags;
    const int nLine = f & GF_LINE;
    const int nEdges = f & (GF_TOP_EDGE | GF_BOTTOM_EDGE);
    const RECT& frame = m_rcFrame;
    BOOL bGap = !IsFinitePoint(m_dPrevX, m_dPrevY);

    for (int i = 0; i < curve.nCount; ++i) {
        m_dCurX = GetX(nCurve, i);
        m_dCurY = GetY(nCurve, i);
        if (!IsFinitePoint(m_dCurX, m_dCurY)) {
            bGap = TRUE;
            continue;
        }
        if (bGap) {
            StartRun(m_dCurX, m_dCurY);
            bGap = FALSE;
        }
        m_nDevX = WorldToDeviceX(m_dCurX);
        m_nDevY = WorldToDeviceY(m_dCurY);

        if (f & GF_BAR) {
            DrawBar(nHalf, nBaseY);
        } else if (m_bFixedRange) {
            if (ClipSegment(nLine)) {
                if (nLine && !nEdges)
                    m_pDC->LineTo(m_nDevX, m_nDevY);
                if (m_bCurInside) {
                    if (f & GF_TOP_EDGE)
                        DrawMarker(m_pDC, m_nDevX, frame.top, f);
                    if (f & GF_BOTTOM_EDGE)
                        DrawMarker(m_pDC, m_nDevX, frame.bottom, f);
                    DrawMarker(m_pDC, m_nDevX, m_nDevY, f);
                    if ((f & GF_EDGE_LINE) && nEdges) {
                        m_pDC->MoveTo(m_nDevX, frame.bottom);
                        m_pDC->LineTo(m_nDevX, frame.top);
                    }
                }
            }
        } else if (nEdges) {
            if (f & GF_TOP_EDGE)
                DrawMarker(m_pDC, m_nDevX, frame.top, f);
            if (f & GF_BOTTOM_EDGE)
                DrawMarker(m_pDC, m_nDevX, frame.bottom, f);
            if (f & GF_EDGE_LINE) {
                m_pDC->MoveTo(m_nDevX, frame.bottom);
                m_pDC->LineTo(m_nDevX, frame.top);
            }
        } else {
            if (nLine)
                m_pDC->LineTo(m_nDevX, m_nDevY);
            DrawMarker(m_pDC, m_nDevX, m_nDevY, f);
        }
        if (f != 0)
            m_pDC->MoveTo(m_nDevX, m_nDevY);
    }
}

void CGraph::DrawBar(int nHalf, int nBaseY)
{
    if (nBaseY == m_nDevY) {
        m_pDC->MoveTo(m_nDevX - nHalf, nBaseY);
        m_pDC->LineTo(m_nDevX + nHalf, m_nDevY);
    } else {
        m_pDC->Rectangle(m_nDevX - nHalf, nBaseY, m_nDevX + nHalf, m_nDevY);
    }
}
