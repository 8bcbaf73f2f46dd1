#pragma once
// Records of the chart's curve and marker tables, their flag bits and the element types a
// curve can read.
#include <cstddef>

#include "platform/Types.h"

// Reads element nIndex of an array as a double, exactly.
using GRAPHACCESSOR = double (*)(const void* pData, std::ptrdiff_t nIndex);
// Applied to each element read.
using GRAPHTRANSFORM = double (*)(double);

// Element type codes.
enum : int {
    GT_FLOAT = 0,
    GT_DOUBLE = 1,
    GT_DOUBLE2 = 2,
    GT_INT8 = 3,
    GT_UINT8 = 4,
    GT_INT16 = 5,
    GT_UINT16 = 6,
    GT_INT32 = 7,
    GT_UINT32 = 8,
    GT_INT32B = 9,
    GT_UINT32B = 10,
    GT_INDEX = 11,
    GT_INDEX2 = 12,
    GT_COUNT = 13,
};

// Curve style flags.
enum : int {
    GF_CIRCLE = 0x0001,
    GF_SQUARE = 0x0002,
    GF_DIAMOND = 0x0004,
    GF_CROSS = 0x0008,
    GF_TRIANGLE_BELOW = 0x0010,  // apex on the point, base below
    GF_TRIANGLE_ABOVE = 0x0020,  // apex on the point, base above
    GF_BAR = 0x0040,
    GF_TOP_EDGE = 0x0080,
    GF_BOTTOM_EDGE = 0x0100,
    GF_EDGE_LINE = 0x0200,
    GF_LINE = 0x8000,
};

// Reference marker kinds and flags.
enum : int {
    GMK_DATA = 0,
    GMK_PIXEL = 1,
};
enum : int {
    GM_VLINE = 0x1,
    GM_HLINE = 0x2,
    GM_SQUARE = 0x4,
};

inline constexpr int GRAPH_MAX_CURVES = 20;
inline constexpr int GRAPH_MAX_MARKERS = 10;

struct GRAPHCURVE {
    int nCount = 0;
    const void* pX = nullptr;
    const void* pY = nullptr;
    double dXStart = 0.0;
    double dXStep = 1.0;
    int nFlags = 0;
    COLORREF crColor = 0;
    int nPenWidth = 1;
    GRAPHACCESSOR pfnX = nullptr;
    GRAPHACCESSOR pfnY = nullptr;
    int nXStride = 1;
    int nYStride = 1;
    GRAPHTRANSFORM pfnXTransform = nullptr;
    GRAPHTRANSFORM pfnYTransform = nullptr;
};

struct GRAPHMARKER {
    int nKind = GMK_DATA;
    double dX = 0.0;
    double dY = 0.0;
    int nFlags = 0;
    COLORREF crColor = 0;
};
