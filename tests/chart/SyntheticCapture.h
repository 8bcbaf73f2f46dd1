#pragma once
// A capture like the simulated box's: input i carries a sine of 1000 (i + 1) Hz and
// amplitude 4000 (i + 1), sampled at 31250 frames/s.
#include "chart/CapturePlot.h"

#include <cmath>

inline void FillSines(double (&capture)[CAPTURE_CHANNELS][CAPTURE_FRAMES])
{
    for (int i = 0; i < CAPTURE_CHANNELS; ++i) {
        for (int n = 0; n < CAPTURE_FRAMES; ++n)
            capture[i][n] = std::round(4000.0 * (i + 1) * std::sin(2 * M_PI * 1000.0 * (i + 1) * n / 31250));
    }
}
