#pragma once
// Running extent of one axis. Non-finite values are left out: one NaN would otherwise
// poison every comparison after it.
#include <cmath>

namespace graph {

struct EXTENT {
    bool bSeen = false;
    double dMin = 0.0;
    double dMax = 0.0;

    void Add(double v)
    {
        if (!std::isfinite(v))
            return;
        if (!bSeen) {
            bSeen = true;
            dMin = dMax = v;
        } else if (dMin > v) {
            dMin = v;
        } else if (v > dMax) {
            dMax = v;
        }
    }
};

}  // namespace graph
