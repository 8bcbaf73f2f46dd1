// One drawing of the chart: scale, ranges, axes, reference markers, curves.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/CGraph.h"
#include "chart/Markers.h"

namespace {

// Coordinates beyond this cannot be laid out without integer overflow.
constexpr int kMaxRectCoord = 1 << 24;
// Keeps marker shapes (up to 9 units from their point) within int arithmetic.
constexpr int kMaxMarkerUnit = 1 << 16;

bool RectFits(const RECT& rc)
{
    return std::abs(rc.left) <= kMaxRectCoord && std::abs(rc.right) <= kMaxRectCoord &&
           std::abs(rc.top) <= kMaxRectCoord && std::abs(rc.bottom) <= kMaxRectCoord;
}

}  // namespace

int CGraph::Draw()
{
    if (m_nCurves < 1 || m_nCurves > GRAPH_MAX_CURVES || !m_pDC || !RectFits(m_rect))
        return 0;
    RECT rcClipBox;
    m_pDC->GetClipBox(&rcClipBox);
    BOOL bHadClip = m_pDC->HasClip();

    m_dScale = ((m_rect.right - m_rect.left) * 0.2 / 1000 + 1) * m_dUserScale;
    g_nMarkerUnit = std::clamp(graph::TruncToInt(m_dScale), 0, kMaxMarkerUnit);

    CPen pen(PS_SOLID, 1, m_crFore);
    CBrush brush(m_crBack);
    if (!m_bFixedRange)
        AutoRange();

    m_pDC->SetBkColor(m_crBack);
    m_pDC->SetTextColor(m_crFore);
    CPen* pOldPen = m_pDC->SelectObject(&pen);
    CBrush* pOldBrush = m_pDC->SelectObject(&brush);
    m_pDC->SetBkMode(TRANSPARENT);

    if (!DrawAxes()) {
        m_pDC->SelectObject(pOldPen);
        m_pDC->SelectObject(pOldBrush);
        return 0;
    }
    DrawReferenceMarkers();
    // The markers leave their own pen and brush; each curve selects its own anyway.
    m_pDC->SelectObject(&pen);
    m_pDC->SelectObject(&brush);

    CRgn rgnFrame;
    rgnFrame.CreateRectRgnIndirect(&m_rcFrame);
    if (m_bClip) {
        m_bFixedRange = FALSE;
        m_pDC->SelectClipRgn(&rgnFrame);
    }

    for (int c = 0; c < m_nCurves; ++c)
        DrawCurve(c);

    m_pDC->SelectObject(pOldBrush);
    m_pDC->SelectObject(pOldPen);
    if (m_bClip) {
        if (bHadClip) {
            CRgn rgnOld;
            rgnOld.CreateRectRgnIndirect(&rcClipBox);
            m_pDC->SelectClipRgn(&rgnOld);
        } else {
            m_pDC->SelectClipRgn(nullptr);
        }
    }
    return 1;
}

void CGraph::DrawReferenceMarkers()
{
    for (int n = 0; n < m_nMarkers; ++n) {
        GRAPHMARKER& m = m_markers[n];
        if (m.nKind == GMK_PIXEL) {
            m.dX = DeviceToWorldX(graph::TruncToInt(m.dX));
            m.dY = DeviceToWorldY(graph::TruncToInt(m.dY));
            m.nKind = GMK_DATA;
        }
        if (!IsInside(m.dX, m.dY))
            continue;
        CPen pen(PS_SOLID, 1, m.crColor);
        CBrush brush(m.crColor);
        m_pDC->SelectObject(&pen);
        m_pDC->SelectObject(&brush);
        int px = WorldToDeviceX(m.dX);
        int py = WorldToDeviceY(m.dY);
        if (m.nFlags & GM_SQUARE) {
            m_pDC->MoveTo(px - 3, py - 3);
            m_pDC->LineTo(px + 3, py - 3);
            m_pDC->LineTo(px + 3, py + 3);
            m_pDC->LineTo(px - 3, py + 3);
            m_pDC->LineTo(px - 3, py - 3);
        }
        if (m.nFlags & GM_VLINE) {
            m_pDC->MoveTo(px, m_rcFrame.bottom);
            m_pDC->LineTo(px, m_rcFrame.top);
        }
        if (m.nFlags & GM_HLINE) {
            m_pDC->MoveTo(m_rcFrame.left, py);
            m_pDC->LineTo(m_rcFrame.right, py);
        }
    }
}
