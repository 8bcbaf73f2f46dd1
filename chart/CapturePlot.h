#pragma once
// The plot of a test capture: the first 200 samples of each captured channel against
// time, one coloured line per channel, in a white framed area whose top-left corner sits
// at (125, 65) of the client area.
#include "platform/Types.h"

class CDC;

inline constexpr int CAPTURE_CHANNELS = 6;
inline constexpr int CAPTURE_FRAMES = 256;
inline constexpr int CAPTURE_PLOTTED = 200;

// Colour of the line of capture row nRow (0 to 5).
COLORREF CaptureColor(int nRow);

// The plot area for a client rectangle.
RECT CapturePlotRect(const RECT& client);

// Draws rows 0 to nChannels - 1 of capture (clamped to 0..6) into the plot area of
// client. nSampleRate in frames per second gives the time axis.
void DrawCapturePlot(CDC& dc, RECT client, const double capture[CAPTURE_CHANNELS][CAPTURE_FRAMES],
                     int nChannels, int nSampleRate);
