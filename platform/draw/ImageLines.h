#pragma once
// Solid one-pixel lines written straight into an image's pixels. The painter's own line
// stroker costs several nanoseconds a pixel; a plot of steep signal lines is mostly that.
#include <QImage>
#include <QRect>

#include "platform/Types.h"

class QPainter;

class CImageLines {
public:
    // Usable only while the painter paints this image untransformed, opaque, at one device
    // pixel per pixel, in a 32-bit format; otherwise every call declines.
    explicit CImageLines(QPainter& painter);

    BOOL IsUsable() const { return m_pImage != nullptr; }
    // Draws (x0, y0) up to but not including (x1, y1) when both ends lie inside clip (and the
    // image); returns FALSE, drawing nothing, when the painter must draw it instead.
    bool Line(const QRect& clip, int x0, int y0, int x1, int y1, QRgb rgb);

private:
    QImage* m_pImage = nullptr;
    QRect m_rcImage;
};
