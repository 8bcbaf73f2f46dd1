#pragma once
// An XY chart drawn once on a device context: curves read caller-owned arrays of any
// numeric element type, ranges are found automatically or fixed, ticks fall on 1, 2 or 5
// times a power of ten. Build it, add curves, Draw, destroy; nothing is copied, so the
// arrays must outlive Draw.
#include <string>

#include "chart/DeviceMap.h"
#include "chart/GraphTypes.h"
#include "chart/Ticks.h"
#include "platform/draw/CDC.h"

class CGraph {
public:
    CGraph(CDC* pDC, const RECT* pRect);
    // Init must follow before any other operation.
    CGraph();
    ~CGraph() = default;
    CGraph(const CGraph&) = delete;
    CGraph& operator=(const CGraph&) = delete;

    void Init(CDC* pDC, const RECT* pRect);
    void SetDefaults();

    // Both ignore a twenty-first curve and return the chart to automatic ranging.
    void AddCurve(int nCount, const void* pX, const void* pY, int nFlags, COLORREF crColor,
                  int nXType, int nYType, int nXStride, int nYStride, GRAPHTRANSFORM pfnXTransform,
                  GRAPHTRANSFORM pfnYTransform);
    void AddCurveStep(int nCount, double dXStart, double dXStep, const void* pY, int nFlags,
                      COLORREF crColor, int nYType, int nXStride, int nYStride,
                      GRAPHTRANSFORM pfnXTransform, GRAPHTRANSFORM pfnYTransform);
    // 0, or 1 when the table already holds ten.
    int AddMarker(double x, double y, int nFlags, COLORREF crColor);
    int AddMarkerPixel(int x, int y, int nFlags, COLORREF crColor);

    void SetRange(double x1, double x2, double y1, double y2);
    void SetLabels(std::string strXLabel, std::string strYLabel);
    void SetScale(double s);
    void SetColors(COLORREF crFore, COLORREF crBack);
    // Device rectangle of the last drawing becomes the fixed ranges; ignored before one.
    void ZoomToRect(int nLeft, int nTop, int nRight, int nBottom);

    // 1 when drawn; 0 without curves or when the data area would be under 10 × 10 pixels.
    int Draw();

    // Settings the defaults fix and the capture plot never changes.
    void SetGrid(BOOL bGrid, int nStyle, COLORREF crGrid);
    void SetEngineering(BOOL bX, BOOL bY);
    void SetMarginDivisors(int nX, int nY);  // values below 1 are ignored
    void SetExtendToTicks(BOOL bExtend);
    void SetClip(BOOL bClip);

    int WorldToDeviceX(double x) const { return Map().ToDeviceX(x); }
    int WorldToDeviceY(double y) const { return Map().ToDeviceY(y); }
    double DeviceToWorldX(int px) const { return Map().ToWorldX(px); }
    double DeviceToWorldY(int py) const { return Map().ToWorldY(py); }
    double GetX(int nCurve, int nIndex) const;
    double GetY(int nCurve, int nIndex) const;
    void GetTransform(double* pXMin, double* pYMin, double* pXScale, double* pYScale, int* pX0,
                      int* pY0) const;

    // Tick layout of one axis ('x' or 'y') with the current font: widens the range in
    // place and returns the y label column width or the x label band height.
    int ComputeTicks(char cAxis, int nIntervals, double& dMin, double& dMax, double& dFirst,
                     double& dLast, double& dStep);

    int GetCurveCount() const { return m_nCurves; }
    int GetMarkerCount() const { return m_nMarkers; }
    const GRAPHCURVE& GetCurve(int n) const { return m_curves[n]; }
    const GRAPHMARKER& GetMarker(int n) const { return m_markers[n]; }
    void GetRange(double* pXMin, double* pXMax, double* pYMin, double* pYMax) const;
    BOOL IsFixedRange() const { return m_bFixedRange; }
    double GetScale() const { return m_dScale; }
    double GetUserScale() const { return m_dUserScale; }
    const RECT& GetFrame() const { return m_rcFrame; }

private:
    using EDGETEST = BOOL (CGraph::*)(double);

    graph::CDeviceMap Map() const;
    BOOL IsUsable(int nCurve) const;
    BOOL IsInside(double x, double y) const;
    void AddRecord(int nCount, const void* pX, const void* pY, double dXStart, double dXStep,
                   int nFlags, COLORREF crColor, GRAPHACCESSOR pfnX, int nYType, int nXStride,
                   int nYStride, GRAPHTRANSFORM pfnXTransform, GRAPHTRANSFORM pfnYTransform);
    void AutoRange();
    int DrawAxes();
    void DrawTicks(const graph::TICKS& xTicks, const graph::TICKS& yTicks, const RECT& rc);
    void DrawTitles(const RECT& rc);
    void DrawReferenceMarkers();
    void DrawCurve(int nCurve);
    void DrawPolyline(int nCurve);
    void DrawPointByPoint(int nCurve, int nHalf, int nBaseY);
    void DrawBar(int nHalf, int nBaseY);
    void StartRun(double x, double y);
    int ClipSegment(int nLine);
    BOOL NoEdge(double b);
    BOOL XEdgeHorizontal(double b);
    BOOL YEdgeVertical(double b);
    BOOL XEdgeGeneral(double b);
    BOOL YEdgeGeneral(double b);

    CDC* m_pDC = nullptr;
    RECT m_rect;
    double m_dScale = 1.0;
    double m_dUserScale = 1.0;
    std::string m_strXLabel;
    std::string m_strYLabel;
    int m_nXMarginDiv = 40;
    int m_nYMarginDiv = 40;
    int m_nCurves = 0;
    int m_nMarkers = 0;
    GRAPHCURVE m_curves[GRAPH_MAX_CURVES];
    GRAPHMARKER m_markers[GRAPH_MAX_MARKERS];
    BOOL m_bGrid = FALSE;
    int m_nGridStyle = PS_DOT;
    COLORREF m_crGrid = RGB(192, 192, 192);
    BOOL m_bXEngineering = FALSE;
    BOOL m_bYEngineering = FALSE;
    BOOL m_bFixedRange = FALSE;
    BOOL m_bExtendToTicks = TRUE;
    EDGETEST m_pfnXEdge = &CGraph::NoEdge;
    EDGETEST m_pfnYEdge = &CGraph::NoEdge;
    GRAPHACCESSOR m_pfnAccessor[GT_COUNT] = {};
    double m_dXMin = 0.0;
    double m_dXMax = 1.0;
    double m_dYMin = 0.0;
    double m_dYMax = 1.0;
    double m_dXScale = 0.0;
    double m_dYScale = 0.0;
    int m_nDevX = 0;
    int m_nDevY = 0;
    int m_nX0 = 0;
    int m_nY0 = 0;
    double m_dPrevX = 0.0;
    double m_dPrevY = 0.0;
    double m_dCrossX = 0.0;
    double m_dCrossY = 0.0;
    double m_dSlope = 0.0;
    double m_dCurX = 0.0;
    double m_dCurY = 0.0;
    BOOL m_bPrevInside = FALSE;
    BOOL m_bCurInside = FALSE;
    RECT m_rcFrame;
    COLORREF m_crFore = RGB(0, 0, 0);
    COLORREF m_crBack = RGB(255, 255, 255);
    BOOL m_bClip = FALSE;
};
