#include "chart/Markers.h"

#include "chart/GraphTypes.h"
#include "platform/draw/CDC.h"

std::atomic<int> g_nMarkerUnit{1};

void DrawMarker(CDC* pDC, int x, int y, int nFlags)
{
    if (!pDC)
        return;
    const int u = g_nMarkerUnit;
    if (nFlags & GF_CIRCLE)
        pDC->Ellipse(x - 2 * u, y - 2 * u, x + 2 * u + 1, y + 2 * u + 1);
    if (nFlags & GF_SQUARE)
        pDC->Rectangle(x - u, y - u, x + u + 1, y + u + 1);
    if (nFlags & GF_DIAMOND) {
        POINT pts[4] = {{x - 3 * u, y}, {x, y + 3 * u}, {x + 3 * u, y}, {x, y - 3 * u}};
        pDC->Polygon(pts, 4);
        pDC->MoveTo(x, y);
    }
    if (nFlags & GF_CROSS) {
        pDC->MoveTo(x - 2 * u, y - 2 * u);
        pDC->LineTo(x + 2 * u + 1, y + 2 * u + 1);
        pDC->MoveTo(x - 2 * u, y + 2 * u);
        pDC->LineTo(x + 2 * u + 1, y - 2 * u - 1);
    }
    if (nFlags & GF_TRIANGLE_BELOW) {
        POINT pts[3] = {{x + 3 * u, y + 9 * u}, {x, y}, {x - 3 * u, y + 9 * u}};
        pDC->Polygon(pts, 3);
        pDC->MoveTo(x, y);
    }
    if (nFlags & GF_TRIANGLE_ABOVE) {
        POINT pts[3] = {{x + 3 * u, y - 9 * u}, {x, y}, {x - 3 * u, y - 9 * u}};
        pDC->Polygon(pts, 3);
        pDC->MoveTo(x, y);
    }
}
