#pragma once
// The point-marker shapes, sized by the process-wide marker unit that every chart drawing
// sets from its scale.
class CDC;

extern int g_nMarkerUnit;

// Draws each shape that nFlags selects at (x, y) with the current pen and brush.
void DrawMarker(CDC* pDC, int x, int y, int nFlags);
