#include "chart/CGraph.h"

#include <cmath>
#include <limits>
#include <utility>

#include "chart/Accessors.h"

CGraph::CGraph(CDC* pDC, const RECT* pRect)
{
    Init(pDC, pRect);
}

CGraph::CGraph()
{
    graph::FillAccessorTable(m_pfnAccessor);
    m_bClip = FALSE;
}

void CGraph::Init(CDC* pDC, const RECT* pRect)
{
    m_pDC = pDC;
    m_rect = pRect ? *pRect : RECT{};
    graph::FillAccessorTable(m_pfnAccessor);
    m_dXScale = 0.0;
    m_dYScale = 0.0;
    SetDefaults();
}

void CGraph::SetDefaults()
{
    m_dUserScale = 1.0;
    m_strXLabel.clear();
    m_strYLabel.clear();
    m_nXMarginDiv = 40;
    m_nYMarginDiv = 40;
    m_nCurves = 0;
    m_nMarkers = 0;
    m_bGrid = FALSE;
    m_nGridStyle = PS_DOT;
    m_crGrid = RGB(192, 192, 192);
    m_bXEngineering = FALSE;
    m_bYEngineering = FALSE;
    m_bFixedRange = FALSE;
    m_bExtendToTicks = TRUE;
    m_dXMin = 0.0;
    m_dXMax = 1.0;
    m_dYMin = 0.0;
    m_dYMax = 1.0;
    m_crFore = RGB(0, 0, 0);
    m_crBack = RGB(255, 255, 255);
    m_bClip = FALSE;
}

void CGraph::AddRecord(int nCount, const void* pX, const void* pY, double dXStart, double dXStep,
                       int nFlags, COLORREF crColor, GRAPHACCESSOR pfnX, int nYType, int nXStride,
                       int nYStride, GRAPHTRANSFORM pfnXTransform, GRAPHTRANSFORM pfnYTransform)
{
    if (m_nCurves < 0 || m_nCurves >= GRAPH_MAX_CURVES)
        return;
    GRAPHCURVE& c = m_curves[m_nCurves];
    c.nCount = nCount;
    c.pX = pX;
    c.pY = pY;
    c.dXStart = dXStart;
    c.dXStep = dXStep;
    c.nFlags = nFlags;
    c.crColor = crColor;
    c.nPenWidth = 1;
    c.pfnX = pfnX;
    c.pfnY = graph::AccessorFor(m_pfnAccessor, nYType, GT_INDEX2);
    c.nXStride = nXStride;
    c.nYStride = nYStride;
    c.pfnXTransform = pfnXTransform ? pfnXTransform : &graph::Identity;
    c.pfnYTransform = pfnYTransform ? pfnYTransform : &graph::Identity;
    m_bFixedRange = FALSE;
    ++m_nCurves;
}

void CGraph::AddCurve(int nCount, const void* pX, const void* pY, int nFlags, COLORREF crColor,
                      int nXType, int nYType, int nXStride, int nYStride,
                      GRAPHTRANSFORM pfnXTransform, GRAPHTRANSFORM pfnYTransform)
{
    AddRecord(nCount, pX, pY, 0.0, 1.0, nFlags, crColor,
              graph::AccessorFor(m_pfnAccessor, nXType, GT_INDEX2), nYType, nXStride, nYStride,
              pfnXTransform, pfnYTransform);
}

void CGraph::AddCurveStep(int nCount, double dXStart, double dXStep, const void* pY, int nFlags,
                          COLORREF crColor, int nYType, int nXStride, int nYStride,
                          GRAPHTRANSFORM pfnXTransform, GRAPHTRANSFORM pfnYTransform)
{
    AddRecord(nCount, nullptr, pY, dXStart, dXStep, nFlags, crColor, &graph::IndexAccessor, nYType,
              nXStride, nYStride, pfnXTransform, pfnYTransform);
}

int CGraph::AddMarker(double x, double y, int nFlags, COLORREF crColor)
{
    if (m_nMarkers < 0 || m_nMarkers >= GRAPH_MAX_MARKERS)
        return 1;
    m_markers[m_nMarkers++] = GRAPHMARKER{GMK_DATA, x, y, nFlags, crColor};
    return 0;
}

int CGraph::AddMarkerPixel(int x, int y, int nFlags, COLORREF crColor)
{
    if (m_nMarkers < 0 || m_nMarkers >= GRAPH_MAX_MARKERS)
        return 1;
    m_markers[m_nMarkers++] = GRAPHMARKER{GMK_PIXEL, double(x), double(y), nFlags, crColor};
    return 0;
}

void CGraph::SetRange(double x1, double x2, double y1, double y2)
{
    m_dXMin = x1 < x2 ? x1 : x2;
    m_dXMax = x1 < x2 ? x2 : x1;
    m_dYMin = y1 < y2 ? y1 : y2;
    m_dYMax = y1 < y2 ? y2 : y1;
    if (m_dXMin < m_dXMax && m_dYMin < m_dYMax)
        m_bFixedRange = TRUE;
}

void CGraph::SetLabels(std::string strXLabel, std::string strYLabel)
{
    m_strXLabel = std::move(strXLabel);
    m_strYLabel = std::move(strYLabel);
}

void CGraph::SetScale(double s)
{
    if (s > 0.5 && s < 500)
        m_dUserScale = s;
}

void CGraph::SetColors(COLORREF crFore, COLORREF crBack)
{
    m_crFore = crFore;
    m_crBack = crBack;
}

void CGraph::ZoomToRect(int nLeft, int nTop, int nRight, int nBottom)
{
    // A zero (or broken) scale means no drawing has laid the chart out yet.
    if (!(std::isfinite(m_dXScale) && std::isfinite(m_dYScale)) || m_dXScale == 0 ||
        m_dYScale == 0)
        return;
    double x1 = DeviceToWorldX(nLeft);
    double x2 = DeviceToWorldX(nRight);
    double y1 = DeviceToWorldY(nTop);
    double y2 = DeviceToWorldY(nBottom);
    m_dXMin = std::min(x1, x2);
    m_dXMax = std::max(x1, x2);
    m_dYMin = std::min(y1, y2);
    m_dYMax = std::max(y1, y2);
    if (m_dXMin < m_dXMax && m_dYMin < m_dYMax)
        m_bFixedRange = TRUE;
}

void CGraph::SetGrid(BOOL bGrid, int nStyle, COLORREF crGrid)
{
    m_bGrid = bGrid;
    m_nGridStyle = nStyle;
    m_crGrid = crGrid;
}

void CGraph::SetEngineering(BOOL bX, BOOL bY)
{
    m_bXEngineering = bX;
    m_bYEngineering = bY;
}

void CGraph::SetMarginDivisors(int nX, int nY)
{
    if (nX >= 1)
        m_nXMarginDiv = nX;
    if (nY >= 1)
        m_nYMarginDiv = nY;
}

void CGraph::SetExtendToTicks(BOOL bExtend)
{
    m_bExtendToTicks = bExtend;
}

void CGraph::SetClip(BOOL bClip)
{
    m_bClip = bClip;
}

graph::CDeviceMap CGraph::Map() const
{
    return graph::CDeviceMap{m_dXMin, m_dYMin, m_dXScale, m_dYScale, m_nX0, m_nY0};
}

BOOL CGraph::IsUsable(int nCurve) const
{
    if (nCurve < 0 || nCurve >= m_nCurves)
        return FALSE;
    const GRAPHCURVE& c = m_curves[nCurve];
    if (c.nCount < 1 || !c.pfnX || !c.pfnY)
        return FALSE;
    if (!c.pX && c.pfnX != &graph::IndexAccessor)
        return FALSE;
    if (!c.pY && c.pfnY != &graph::IndexAccessor)
        return FALSE;
    return TRUE;
}

double CGraph::GetX(int nCurve, int nIndex) const
{
    if (!IsUsable(nCurve))
        return std::numeric_limits<double>::quiet_NaN();
    const GRAPHCURVE& c = m_curves[nCurve];
    if (c.pfnX == &graph::IndexAccessor)
        return c.dXStart + (c.nXStride * c.dXStep) * nIndex;
    return c.pfnXTransform(c.pfnX(c.pX, std::ptrdiff_t(c.nXStride) * nIndex));
}

double CGraph::GetY(int nCurve, int nIndex) const
{
    if (!IsUsable(nCurve))
        return std::numeric_limits<double>::quiet_NaN();
    const GRAPHCURVE& c = m_curves[nCurve];
    return c.pfnYTransform(c.pfnY(c.pY, std::ptrdiff_t(c.nYStride) * nIndex));
}

void CGraph::GetTransform(double* pXMin, double* pYMin, double* pXScale, double* pYScale, int* pX0,
                          int* pY0) const
{
    if (pXMin)
        *pXMin = m_dXMin;
    if (pYMin)
        *pYMin = m_dYMin;
    if (pXScale)
        *pXScale = m_dXScale;
    if (pYScale)
        *pYScale = m_dYScale;
    if (pX0)
        *pX0 = m_nX0;
    if (pY0)
        *pY0 = m_nY0;
}

void CGraph::GetRange(double* pXMin, double* pXMax, double* pYMin, double* pYMax) const
{
    if (pXMin)
        *pXMin = m_dXMin;
    if (pXMax)
        *pXMax = m_dXMax;
    if (pYMin)
        *pYMin = m_dYMin;
    if (pYMax)
        *pYMax = m_dYMax;
}

BOOL CGraph::IsInside(double x, double y) const
{
    return m_dXMin <= x && x <= m_dXMax && m_dYMin <= y && y <= m_dYMax;
}
