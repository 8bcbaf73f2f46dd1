#pragma once
// The point-marker shapes, sized by the process-wide marker unit that every chart drawing
// sets from its scale.
#include <atomic>

class CDC;

// Atomic because a chart may be drawn off the window thread (the PNG export); two charts
// drawn at once still share the one unit.
extern std::atomic<int> g_nMarkerUnit;

// Draws each shape that nFlags selects at (x, y) with the current pen and brush.
void DrawMarker(CDC* pDC, int x, int y, int nFlags);
