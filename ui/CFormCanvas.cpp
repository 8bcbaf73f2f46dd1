#include "ui/CFormCanvas.h"

#include <QPainter>

CFormCanvas::CFormCanvas(QWidget* pParent) : QWidget(pParent)
{
    // The form's own background, erased before every paint.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

void CFormCanvas::paintEvent(QPaintEvent*)
{
    if (!m_fnPaint)
        return;
    QPainter painter(this);
    m_fnPaint(painter, rect());
}
