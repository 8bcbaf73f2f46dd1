#include "chart/Ticks.h"

#include <algorithm>
#include <cmath>

#include "chart/CEngString.h"
#include "chart/NumberText.h"

namespace graph {
namespace {

// Below this share of its magnitude a range has too few representable values between
// its ends to hold ticks, and the step walks would stall.
constexpr double kMinRelativeRange = 1e-12;
// An absolute floor, so the pixels-per-unit scale stays finite.
constexpr double kMinRange = 1e-200;

double Bounded(double v)
{
    if (std::isnan(v))
        return 0.0;
    return std::clamp(v, -kMaxAxisValue, kMaxAxisValue);
}

}  // namespace

void SettleRange(double& dMin, double& dMax)
{
    dMin = Bounded(dMin);
    dMax = Bounded(dMax);
    if (dMin > dMax)
        std::swap(dMin, dMax);
    double dMagnitude = std::max(std::fabs(dMin), std::fabs(dMax));
    double dRange = dMax - dMin;
    if (dMin != dMax && dRange >= kMinRange && dRange >= dMagnitude * kMinRelativeRange)
        return;
    double v = dMin == dMax ? dMin : dMin + dRange / 2;
    if (v > 1e-100) {
        dMin = (1 - 0.1) * v;
        dMax = (1 + 0.1) * v;
    } else if (v < -1e-100) {
        dMin = (1 + 0.1) * v;
        dMax = (1 - 0.1) * v;
    } else {
        dMin = -1.0;
        dMax = 1.0;
    }
}

TICKS ComputeTickSpan(int nIntervals, double& dMin, double& dMax, BOOL bExtend)
{
    nIntervals = std::max(nIntervals, 1);
    TICKS t;
    double dRange = dMax - dMin;
    double dStep = std::pow(10.0, std::floor(std::log10(dRange / nIntervals)));
    if (dRange / dStep > 5.0 * nIntervals)
        dStep *= 5;
    else if (dRange / dStep > 2.0 * nIntervals)
        dStep *= 2;
    if (!(dStep > 0) || !std::isfinite(dStep))
        dStep = dRange > 0 && std::isfinite(dRange) ? dRange : 1.0;
    t.dStep = dStep;

    double dFirst = std::floor(dMin / dStep + 2) * dStep;
    for (int n = 0; std::fabs(dMin - dFirst) > dStep / 1.9 && n < kMaxTickSteps; ++n)
        dFirst -= dStep;
    double dLast = dFirst;
    for (int n = 0; std::fabs(dMax - dLast) > dStep / 1.9 && n < kMaxTickSteps; ++n)
        dLast += dStep;

    if (bExtend) {
        if (dFirst < dMin)
            dMin = dFirst;
        if (dLast > dMax)
            dMax = dLast;
    } else {
        if (dFirst < dMin)
            dFirst += dStep;
        if (dLast > dMax)
            dLast -= dStep;
    }
    t.dFirst = dFirst;
    t.dLast = dLast;
    return t;
}

std::string FormatTickLabel(double v, double dStep, BOOL bEngineering)
{
    double w = std::fabs(v) < dStep / 4 ? 0.0 : v;
    if (!bEngineering)
        return FormatG(w);
    CEngString str;
    str.FormatEngineering(w, 0, 0, 0);
    return str;
}

}  // namespace graph
