// Computed clipping of a curve's segments to the rectangle of fixed ranges.
#include <algorithm>
#include <cmath>

#include "chart/CGraph.h"

namespace {

// Below this a coordinate difference counts as none: no slope is taken from it.
constexpr double kEpsilon = 1e-200;

bool Between(double v, double a, double b)
{
    return std::min(a, b) <= v && v <= std::max(a, b);
}

}  // namespace

BOOL CGraph::NoEdge(double)
{
    return FALSE;
}

BOOL CGraph::XEdgeHorizontal(double b)
{
    if (!(m_dYMin <= m_dPrevY && m_dPrevY <= m_dYMax) || !Between(b, m_dPrevX, m_dCurX))
        return FALSE;
    m_dCrossX = b;
    m_dCrossY = m_dPrevY;
    return TRUE;
}

BOOL CGraph::YEdgeVertical(double b)
{
    if (!(m_dXMin <= m_dPrevX && m_dPrevX <= m_dXMax) || !Between(b, m_dPrevY, m_dCurY))
        return FALSE;
    m_dCrossX = m_dPrevX;
    m_dCrossY = b;
    return TRUE;
}

BOOL CGraph::XEdgeGeneral(double b)
{
    double y = m_dPrevY + (b - m_dPrevX) * m_dSlope;
    if (!(m_dYMin <= y && y <= m_dYMax) || !Between(y, m_dPrevY, m_dCurY))
        return FALSE;
    m_dCrossX = b;
    m_dCrossY = y;
    return TRUE;
}

BOOL CGraph::YEdgeGeneral(double b)
{
    double x = m_dPrevX + (b - m_dPrevY) / m_dSlope;
    if (!(m_dXMin <= x && x <= m_dXMax) || !Between(x, m_dPrevX, m_dCurX))
        return FALSE;
    m_dCrossX = x;
    m_dCrossY = b;
    return TRUE;
}

int CGraph::ClipSegment(int nLine)
{
    if (!nLine) {
        m_nDevX = WorldToDeviceX(m_dCurX);
        m_nDevY = WorldToDeviceY(m_dCurY);
        m_bCurInside = IsInside(m_dCurX, m_dCurY);
        return m_bCurInside;
    }
    double dx = m_dCurX - m_dPrevX;
    double dy = m_dCurY - m_dPrevY;
    bool bDx = std::fabs(dx) > kEpsilon;
    bool bDy = std::fabs(dy) > kEpsilon;
    if (bDx && bDy) {
        m_dSlope = dy / dx;
        m_pfnXEdge = &CGraph::XEdgeGeneral;
        m_pfnYEdge = &CGraph::YEdgeGeneral;
    } else if (bDx) {
        m_pfnXEdge = &CGraph::XEdgeHorizontal;
        m_pfnYEdge = &CGraph::NoEdge;
    } else if (bDy) {
        m_pfnXEdge = &CGraph::NoEdge;
        m_pfnYEdge = &CGraph::YEdgeVertical;
    } else {
        return 0;
    }

    int nResult = 0;
    m_bCurInside = IsInside(m_dCurX, m_dCurY);
    if (m_bCurInside) {
        m_nDevX = WorldToDeviceX(m_dCurX);
        m_nDevY = WorldToDeviceY(m_dCurY);
    }
    if (m_bPrevInside && m_bCurInside) {
        nResult = 1;
    } else {
        const struct {
            EDGETEST pfn;
            double b;
        } edges[4] = {{m_pfnYEdge, m_dYMin}, {m_pfnYEdge, m_dYMax}, {m_pfnXEdge, m_dXMin},
                      {m_pfnXEdge, m_dXMax}};
        int nFound = 0;
        for (const auto& edge : edges) {
            if (!(this->*edge.pfn)(edge.b))
                continue;
            int cx = WorldToDeviceX(m_dCrossX);
            int cy = WorldToDeviceY(m_dCrossY);
            if (!m_bPrevInside && !m_bCurInside && nFound == 0) {
                m_pDC->MoveTo(cx, cy);
                nFound = 1;
                continue;
            }
            if (!m_bPrevInside && m_bCurInside) {
                m_pDC->MoveTo(cx, cy);
            } else {
                m_nDevX = cx;
                m_nDevY = cy;
            }
            nResult = 1;
            break;
        }
    }
    m_dPrevX = m_dCurX;
    m_dPrevY = m_dCurY;
    m_bPrevInside = m_bCurInside;
    return nResult;
}
