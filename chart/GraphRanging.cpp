// Automatic ranging over all curves.
#include <cmath>

#include "chart/Accessors.h"
#include "chart/CGraph.h"
#include "chart/Extent.h"

void CGraph::AutoRange()
{
    graph::EXTENT x;
    graph::EXTENT y;
    BOOL bBars = FALSE;
    for (int c = 0; c < m_nCurves; ++c) {
        if (!IsUsable(c))
            continue;
        const GRAPHCURVE& curve = m_curves[c];
        int n = curve.nCount;
        if (curve.pfnX == &graph::IndexAccessor) {
            // x moves monotonically with the index: its ends are its extremes (both
            // ends are weighed, so a falling x still spans its whole run).
            x.Add(GetX(c, 0));
            x.Add(GetX(c, n - 1));
            for (int i = 0; i < n; ++i)
                y.Add(GetY(c, i));
        } else {
            for (int i = 0; i < n; ++i) {
                x.Add(GetX(c, i));
                y.Add(GetY(c, i));
            }
        }
        if (curve.nFlags & GF_BAR)
            bBars = TRUE;
    }
    m_dXMin = x.dMin;
    m_dXMax = x.dMax;
    m_dYMin = y.dMin;
    m_dYMax = y.dMax;
    if (bBars) {
        m_dXMin = m_dXMin - (m_dXMax - m_dXMin) / 20;
        m_dXMax = m_dXMax + (m_dXMax - m_dXMin) / 20;
    }
}
