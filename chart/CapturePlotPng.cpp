#include "chart/CapturePlotPng.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include "platform/draw/CPainterDC.h"

namespace {

constexpr int kMaxSide = 16384;

}  // namespace

QImage RenderCapturePlot(int nWidth, int nHeight, const double capture[CAPTURE_CHANNELS][CAPTURE_FRAMES],
                         int nChannels, int nSampleRate)
{
    if (nWidth < 1 || nHeight < 1 || nWidth > kMaxSide || nHeight > kMaxSide)
        return QImage();
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        RECT client{0, 0, nWidth, nHeight};
        CPainterDC dc(painter, client);
        DrawCapturePlot(dc, client, capture, nChannels, nSampleRate);
    }
    painter.end();
    return image;
}

BOOL SaveCapturePlotPng(const std::string& strPath, int nWidth, int nHeight,
                        const double capture[CAPTURE_CHANNELS][CAPTURE_FRAMES], int nChannels,
                        int nSampleRate)
{
    QImage image = RenderCapturePlot(nWidth, nHeight, capture, nChannels, nSampleRate);
    if (image.isNull() || strPath.empty())
        return FALSE;
    return image.save(QString::fromStdString(strPath), "PNG") ? TRUE : FALSE;
}
