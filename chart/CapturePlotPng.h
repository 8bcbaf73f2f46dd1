#pragma once
// The capture plot rendered off screen, for the command line's PNG export: the plot fills
// an image of the given size as it would a window client area of that size.
#include <string>

#include "chart/CapturePlot.h"

class QImage;

// A white image of width × height with the plot drawn on it; a null image for a size
// below 1 or above 16384 pixels a side.
QImage RenderCapturePlot(int nWidth, int nHeight, const double capture[CAPTURE_CHANNELS][CAPTURE_FRAMES],
                         int nChannels, int nSampleRate);

// TRUE when the PNG file was written.
BOOL SaveCapturePlotPng(const std::string& strPath, int nWidth, int nHeight,
                        const double capture[CAPTURE_CHANNELS][CAPTURE_FRAMES], int nChannels,
                        int nSampleRate);
