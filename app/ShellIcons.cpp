#include "app/ShellIcons.h"

#include "res/Resource.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <cmath>
#include <functional>

namespace {

using PAINTFN = std::function<void(QPainter&)>;

// Paints a picture designed on a 48 x 48 grid at the sizes a desktop asks for.
QIcon IconFromPainter(const PAINTFN& paint, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (int nSize : sizes) {
        QPixmap pixmap(nSize, nSize);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(nSize / 48.0, nSize / 48.0);
        paint(painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPainterPath SinePath(double dAmplitude, double dCycles, double dPhase)
{
    QPainterPath path;
    for (int i = 0; i <= 64; ++i) {
        const double x = 6.0 + 36.0 * i / 64.0;
        const double y = 24.0 - dAmplitude * std::sin(dPhase + 2.0 * M_PI * dCycles * i / 64.0);
        if (i == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    return path;
}

void PaintApp(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x79));
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 8, 8);
    p.setPen(QPen(QColor(0x5b, 0x8d, 0xb8), 1.5));
    p.drawLine(QPointF(6, 24), QPointF(42, 24));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xf2, 0xa1, 0x3c), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(SinePath(7, 4, 0));
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(SinePath(14, 1.5, 0));
}

QPen Outline()
{
    return QPen(QColor(0x30, 0x30, 0x30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintCut(QPainter& p)
{
    p.setPen(Outline());
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(14, 6), QPointF(30, 32));
    p.drawLine(QPointF(34, 6), QPointF(18, 32));
    p.drawEllipse(QPointF(14, 37), 6, 6);
    p.drawEllipse(QPointF(34, 37), 6, 6);
}

void PaintPage(QPainter& p, const QRectF& rect)
{
    p.setPen(Outline());
    p.setBrush(Qt::white);
    p.drawRect(rect);
    p.drawLine(QPointF(rect.left() + 5, rect.top() + 8), QPointF(rect.right() - 5, rect.top() + 8));
    p.drawLine(QPointF(rect.left() + 5, rect.top() + 15), QPointF(rect.right() - 5, rect.top() + 15));
}

void PaintCopy(QPainter& p)
{
    PaintPage(p, QRectF(6, 4, 22, 28));
    PaintPage(p, QRectF(20, 16, 22, 28));
}

void PaintPaste(QPainter& p)
{
    p.setPen(Outline());
    p.setBrush(QColor(0xc8, 0x9b, 0x5a));
    p.drawRoundedRect(QRectF(6, 8, 28, 36), 3, 3);
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawRect(QRectF(13, 4, 14, 8));
    PaintPage(p, QRectF(20, 20, 22, 24));
}

void PaintPrint(QPainter& p)
{
    PaintPage(p, QRectF(13, 4, 22, 18));
    p.setPen(Outline());
    p.setBrush(QColor(0xb0, 0xb0, 0xb0));
    p.drawRoundedRect(QRectF(4, 20, 40, 16), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(13, 32, 22, 12));
}

}  // namespace

QIcon AppIcon()
{
    static const QIcon icon = IconFromPainter(PaintApp, {16, 22, 24, 32, 48, 64, 128, 256});
    return icon;
}

QIcon ToolbarIcon(int nID, const QStyle* pStyle)
{
    switch (nID) {
    case res::ID_FILE_NEW:
        return QIcon::fromTheme(QStringLiteral("document-new"), pStyle->standardIcon(QStyle::SP_FileIcon));
    case res::ID_FILE_OPEN:
        return QIcon::fromTheme(QStringLiteral("document-open"), pStyle->standardIcon(QStyle::SP_DialogOpenButton));
    case res::ID_FILE_SAVE:
        return QIcon::fromTheme(QStringLiteral("document-save"), pStyle->standardIcon(QStyle::SP_DialogSaveButton));
    case res::ID_EDIT_CUT:
        return QIcon::fromTheme(QStringLiteral("edit-cut"), IconFromPainter(PaintCut, {16, 24, 32}));
    case res::ID_EDIT_COPY:
        return QIcon::fromTheme(QStringLiteral("edit-copy"), IconFromPainter(PaintCopy, {16, 24, 32}));
    case res::ID_EDIT_PASTE:
        return QIcon::fromTheme(QStringLiteral("edit-paste"), IconFromPainter(PaintPaste, {16, 24, 32}));
    case res::ID_FILE_PRINT:
        return QIcon::fromTheme(QStringLiteral("document-print"), IconFromPainter(PaintPrint, {16, 24, 32}));
    case res::ID_APP_ABOUT:
        return QIcon::fromTheme(QStringLiteral("help-about"),
                                pStyle->standardIcon(QStyle::SP_MessageBoxInformation));
    default:
        return QIcon();
    }
}
