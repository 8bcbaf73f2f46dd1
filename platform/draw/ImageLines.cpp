#include "platform/draw/ImageLines.h"

#include <QPaintEngine>
#include <QPainter>
#include <cstdlib>

CImageLines::CImageLines(QPainter& painter)
{
    QPaintDevice* pDevice = painter.device();
    if (!pDevice || pDevice->devType() != QInternal::Image || !painter.paintEngine() ||
        painter.paintEngine()->type() != QPaintEngine::Raster)
        return;
    auto* pImage = static_cast<QImage*>(pDevice);
    QImage::Format format = pImage->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return;
    if (!painter.worldTransform().isIdentity() || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        pImage->devicePixelRatio() != 1.0)
        return;
    m_pImage = pImage;
    m_rcImage = pImage->rect();
}

bool CImageLines::Line(const QRect& clip, int x0, int y0, int x1, int y1, QRgb rgb)
{
    // A shared image would detach on write and the painter's pixels would go elsewhere.
    if (!m_pImage || !m_pImage->isDetached())
        return false;
    QRect bounds = clip & m_rcImage;
    if (!bounds.contains(x0, y0) || !bounds.contains(x1, y1))
        return false;
    uchar* pBits = m_pImage->bits();
    const qsizetype nStride = m_pImage->bytesPerLine();
    const quint32 px = 0xFF000000u | rgb;

    // Bresenham over every octant, leaving out the end pixel.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        reinterpret_cast<quint32*>(pBits + y0 * nStride)[x0] = px;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    return true;
}
