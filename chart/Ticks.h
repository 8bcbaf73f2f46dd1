#pragma once
// Axis ranges and ticks, free of any drawing so they can be checked on their own.
#include <string>

#include "platform/Types.h"

namespace graph {

struct TICKS {
    double dFirst = 0.0;
    double dLast = 0.0;
    double dStep = 1.0;
};

// No tick walk takes more steps than this; a sound range needs fewer than ten.
inline constexpr int kMaxTickSteps = 64;
// Ends are held within this magnitude so that a range and its scale stay finite.
inline constexpr double kMaxAxisValue = 1e300;

// Makes a range drawable, in place: non-finite ends are pulled into ±kMaxAxisValue (NaN
// to 0), an empty range is widened by 10 % around its value (or to -1 .. 1 near 0), and
// so is a range too narrow for ticks to be told apart at its magnitude.
void SettleRange(double& dMin, double& dMax);

// The step (1, 2 or 5 times a power of ten) for about nIntervals intervals, the ticks
// nearest the ends and, with bExtend, the range grown to them; without it the ticks are
// pulled inside the range. Expects a settled range.
TICKS ComputeTickSpan(int nIntervals, double& dMin, double& dMax, BOOL bExtend);

// The label of the tick at v: a tick within a quarter step of 0 reads as 0.
std::string FormatTickLabel(double v, double dStep, BOOL bEngineering);

// Calls fn(v) for v = first, first + step, ... while v < last + step × fraction, at least
// once and never more than kMaxTickSteps times.
template <typename Fn>
void ForEachTick(const TICKS& ticks, double dFraction, Fn fn)
{
    double v = ticks.dFirst;
    int n = 0;
    do {
        fn(v);
        v += ticks.dStep;
    } while (v < ticks.dLast + ticks.dStep * dFraction && ++n < kMaxTickSteps);
}

}  // namespace graph
