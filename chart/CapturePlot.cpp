#include "chart/CapturePlot.h"

#include <algorithm>

#include "chart/CGraph.h"
#include "platform/draw/CDC.h"

namespace {

constexpr COLORREF kColors[CAPTURE_CHANNELS] = {
    RGB(255, 0, 0), RGB(0, 0, 0), RGB(0, 0, 255), RGB(255, 0, 255), RGB(0, 255, 0),
    RGB(255, 128, 0),
};
constexpr int kPlotLeft = 125;
constexpr int kPlotTop = 65;
constexpr int kMinPlotSide = 50;
constexpr int kClientInset = 3;

}  // namespace

COLORREF CaptureColor(int nRow)
{
    return kColors[std::clamp(nRow, 0, CAPTURE_CHANNELS - 1)];
}

RECT CapturePlotRect(const RECT& client)
{
    RECT r = client;
    r.left = kPlotLeft;
    r.right = std::max(r.right - kClientInset, r.left + kMinPlotSide);
    r.top = kPlotTop;
    r.bottom = std::max(r.bottom - kClientInset, r.top + kMinPlotSide);
    return r;
}

void DrawCapturePlot(CDC& dc, RECT client, const double capture[CAPTURE_CHANNELS][CAPTURE_FRAMES],
                     int nChannels, int nSampleRate)
{
    RECT r = CapturePlotRect(client);
    dc.Rectangle(&r);

    // A rate of 0 would make every time infinite; 1 Hz still shows the sample numbers.
    double dRate = nSampleRate > 0 ? nSampleRate : 1;
    double x[CAPTURE_PLOTTED];
    for (int i = 0; i < CAPTURE_PLOTTED; ++i)
        x[i] = i / dRate;

    CGraph graph(&dc, &r);
    if (capture) {
        int n = std::clamp(nChannels, 0, CAPTURE_CHANNELS);
        for (int j = 0; j < n; ++j) {
            graph.AddCurve(CAPTURE_PLOTTED, x, capture[j], GF_LINE, kColors[j], GT_DOUBLE, GT_DOUBLE,
                           1, 1, nullptr, nullptr);
        }
    }
    graph.SetLabels("time", "amplitude");
    graph.Draw();
}
