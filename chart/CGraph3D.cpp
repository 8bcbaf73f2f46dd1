#include "chart/CGraph3D.h"

#include <cmath>

#include "chart/Accessors.h"
#include "chart/DeviceMap.h"
#include "chart/Extent.h"

namespace {

// An axis whose values are all equal still gets a span to project.
void Settle(const graph::EXTENT& e, double& rMin, double& rMax)
{
    rMin = e.dMin;
    rMax = e.dMax;
    if (rMin == rMax) {
        rMax = rMax + 1;
        rMin = rMin - 1;
    }
}

}  // namespace

CGraph3D::CGraph3D(CDC* pDC, const RECT* pRect) : m_pDC(pDC), m_rect(pRect ? *pRect : RECT{})
{
    graph::FillAccessorTable(m_pfnAccessor);
    SetView(1);
    m_dZoom = 1.1;
    m_bAlongX = TRUE;
    m_bAlongY = TRUE;
}

void CGraph3D::SetView(int nPreset)
{
    switch (nPreset) {
    case 1:
        m_view = VIEW{1.0, 0.5, 1.0, -0.5, 0.0, 0.8};
        break;
    case 2:
        m_view = VIEW{0.5, 1.4, 1.5, 0.0, 0.0, 0.4};
        break;
    case 3:
        m_view = VIEW{1.0, 0.7, 1.0, -0.7, 0.0, 0.4};
        break;
    default:
        m_view = VIEW{0.0, 1.5, 2.0, 0.0, 0.0, 0.4};
        break;
    }
}

void CGraph3D::SetGridLines(BOOL bAlongX, BOOL bAlongY)
{
    m_bAlongX = bAlongX;
    m_bAlongY = bAlongY;
}

double CGraph3D::X(int i) const
{
    return m_pfnX(m_pX, i);
}

double CGraph3D::Y(int j) const
{
    return m_pfnY(m_pY, j);
}

double CGraph3D::Z(int i, int j) const
{
    return m_pfnZ(m_pZ, std::ptrdiff_t(i) * m_nRowStride + j);
}

POINT CGraph3D::Project(double x, double y, double z) const
{
    return POINT{graph::TruncToInt(x * m_dXH + y * m_dYH + z * m_dZH - m_dXOffset),
                 graph::TruncToInt(x * m_dXV + y * m_dYV + z * m_dZV - m_dYOffset)};
}

void CGraph3D::DrawSurface(int i0, int i1, int j0, int j1, int nRowStride, const void* pX,
                           const void* pY, const void* pZ, int nXType, int nYType, int nZType)
{
    m_pfnX = graph::AccessorFor(m_pfnAccessor, nXType, GT_INDEX);
    m_pfnY = graph::AccessorFor(m_pfnAccessor, nYType, GT_INDEX);
    m_pfnZ = graph::AccessorFor(m_pfnAccessor, nZType, GT_INDEX);
    auto missing = [](GRAPHACCESSOR pfn, const void* p) {
        return !p && pfn != &graph::IndexAccessor;
    };
    // An empty grid has no first value to read, and a missing array none at all.
    if (!m_pDC || i1 <= i0 || j1 <= j0 || missing(m_pfnX, pX) || missing(m_pfnY, pY) ||
        missing(m_pfnZ, pZ))
        return;
    m_pX = pX;
    m_pY = pY;
    m_pZ = pZ;
    m_nRowStride = nRowStride;

    ComputeRanges(i0, i1, j0, j1);
    ComputeProjection();
    DrawBox();
    DrawGrid(i0, i1, j0, j1);
}

void CGraph3D::ComputeRanges(int i0, int i1, int j0, int j1)
{
    graph::EXTENT x, y, z;
    for (int i = i0; i < i1; ++i)
        x.Add(X(i));
    for (int j = j0; j < j1; ++j)
        y.Add(Y(j));
    for (int i = i0; i < i1; ++i) {
        for (int j = j0; j < j1; ++j)
            z.Add(Z(i, j));
    }
    Settle(x, m_dXMin, m_dXMax);
    Settle(y, m_dYMin, m_dYMax);
    Settle(z, m_dZMin, m_dZMax);
}

void CGraph3D::ComputeProjection()
{
    int W = m_rect.right - m_rect.left;
    int H = m_rect.top - m_rect.bottom;
    double dW = W / (2 * m_dZoom);
    double dH = H / (2 * m_dZoom);
    m_dXH = dW * m_view.ax / (m_dXMax - m_dXMin);
    m_dXV = dH * m_view.bx / (m_dXMax - m_dXMin);
    m_dYH = dW * m_view.ay / (m_dYMax - m_dYMin);
    m_dYV = dH * m_view.by / (m_dYMax - m_dYMin);
    m_dZH = dW * m_view.az / (m_dZMax - m_dZMin);
    m_dZV = dH * m_view.bz / (m_dZMax - m_dZMin);
    double xc = (m_dXMin + m_dXMax) / 2;
    double yc = (m_dYMin + m_dYMax) / 2;
    double zc = (m_dZMin + m_dZMax) / 2;
    m_dXOffset = xc * m_dXH + yc * m_dYH + zc * m_dZH - (m_rect.left + W / 2);
    m_dYOffset = xc * m_dXV + yc * m_dYV + zc * m_dZV - (m_rect.bottom + H / 2);
}

void CGraph3D::DrawBox()
{
    auto moveTo = [&](double x, double y, double z) {
        POINT p = Project(x, y, z);
        m_pDC->MoveTo(p.x, p.y);
    };
    auto lineTo = [&](double x, double y, double z) {
        POINT p = Project(x, y, z);
        m_pDC->LineTo(p.x, p.y);
    };
    moveTo(m_dXMin, m_dYMin, m_dZMax);
    lineTo(m_dXMin, m_dYMin, m_dZMin);
    lineTo(m_dXMin, m_dYMax, m_dZMin);
    lineTo(m_dXMax, m_dYMax, m_dZMin);
    lineTo(m_dXMax, m_dYMax, m_dZMax);
    lineTo(m_dXMax, m_dYMin, m_dZMax);
    lineTo(m_dXMin, m_dYMin, m_dZMax);
    moveTo(m_dXMin, m_dYMin, m_dZMin);
    lineTo(m_dXMax, m_dYMin, m_dZMin);
    lineTo(m_dXMax, m_dYMin, m_dZMax);
    moveTo(m_dXMax, m_dYMin, m_dZMin);
    lineTo(m_dXMax, m_dYMax, m_dZMin);
}

void CGraph3D::DrawGrid(int i0, int i1, int j0, int j1)
{
    // A point with a NaN or infinite coordinate breaks its line; the next one starts anew.
    bool bRun = false;
    auto visit = [&](double x, double y, double z) {
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) {
            bRun = false;
            return;
        }
        POINT p = Project(x, y, z);
        if (bRun)
            m_pDC->LineTo(p.x, p.y);
        else
            m_pDC->MoveTo(p.x, p.y);
        bRun = true;
    };
    if (m_bAlongY) {
        for (int i = i0; i < i1; ++i) {
            bRun = false;
            for (int j = j0; j < j1; ++j)
                visit(X(i), Y(j), Z(i, j));
        }
    }
    if (m_bAlongX) {
        for (int j = j0; j < j1; ++j) {
            bRun = false;
            visit(X(i0), Y(j), Z(i0, j));
            for (int i = i0; i < i1; ++i)
                visit(X(i), Y(j), Z(i, j));
        }
    }
}
