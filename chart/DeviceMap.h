#pragma once
// The mapping between data values and device pixels that one layout fixes: data minimum
// at the origin pixel, y growing upward in data and downward on the device.
#include <algorithm>
#include <cmath>

namespace graph {

// Device coordinates are held to this, so a far-off point still converts to an int that
// the drawing surface can take.
inline constexpr double kMaxDeviceCoord = 16777216.0;

// Truncation toward zero that stays defined for any double.
inline int TruncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(v, -kMaxDeviceCoord, kMaxDeviceCoord));
}

struct CDeviceMap {
    double dXMin = 0.0;
    double dYMin = 0.0;
    double dXScale = 0.0;
    double dYScale = 0.0;
    int nX0 = 0;
    int nY0 = 0;

    int ToDeviceX(double x) const { return TruncToInt(nX0 + (x - dXMin) * dXScale); }
    int ToDeviceY(double y) const { return TruncToInt(nY0 - (y - dYMin) * dYScale); }
    double ToWorldX(int px) const { return (px - nX0) / dXScale + dXMin; }
    double ToWorldY(int py) const { return (nY0 - py) / dYScale + dYMin; }
};

}  // namespace graph
