#pragma once
// A wireframe of a surface z(i, j) given on a grid, in an oblique parallel projection:
// the data's bounding box and the grid lines of constant i and of constant j, drawn with
// the device context's current pen.
#include "chart/GraphTypes.h"
#include "platform/draw/CDC.h"

class CGraph3D {
public:
    CGraph3D(CDC* pDC, const RECT* pRect);

    // Presets 1 to 3; any other number selects a fourth, side-on view.
    void SetView(int nPreset);
    void SetGridLines(BOOL bAlongX, BOOL bAlongY);
    // x(i) = pX[i], y(j) = pY[j], z(i, j) = pZ[i × nRowStride + j] for i0 <= i < i1 and
    // j0 <= j < j1, read through the element type codes 0 to 11.
    void DrawSurface(int i0, int i1, int j0, int j1, int nRowStride, const void* pX, const void* pY,
                     const void* pZ, int nXType, int nYType, int nZType);

    // Device point of a data point under the projection of the last DrawSurface.
    POINT Project(double x, double y, double z) const;

    struct VIEW {
        double ax, bx, ay, by, az, bz;
    };
    const VIEW& GetView() const { return m_view; }

private:
    double X(int i) const;
    double Y(int j) const;
    double Z(int i, int j) const;
    void ComputeRanges(int i0, int i1, int j0, int j1);
    void ComputeProjection();
    void DrawBox();
    void DrawGrid(int i0, int i1, int j0, int j1);

    CDC* m_pDC;
    RECT m_rect;
    GRAPHACCESSOR m_pfnAccessor[GT_COUNT] = {};
    GRAPHACCESSOR m_pfnX = nullptr;
    GRAPHACCESSOR m_pfnY = nullptr;
    GRAPHACCESSOR m_pfnZ = nullptr;
    const void* m_pX = nullptr;
    const void* m_pY = nullptr;
    const void* m_pZ = nullptr;
    int m_nRowStride = 0;
    double m_dXOffset = 0.0;
    double m_dYOffset = 0.0;
    double m_dXH = 0.0, m_dXV = 0.0, m_dYH = 0.0, m_dYV = 0.0, m_dZH = 0.0, m_dZV = 0.0;
    VIEW m_view{};
    double m_dZoom = 1.1;
    double m_dXMin = 0.0, m_dXMax = 0.0, m_dYMin = 0.0, m_dYMax = 0.0, m_dZMin = 0.0, m_dZMax = 0.0;
    BOOL m_bAlongX = TRUE;
    BOOL m_bAlongY = TRUE;
};
