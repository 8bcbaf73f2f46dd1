#include "ui/CElapsedProgressBar.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int kTextDrop = 3;

}  // namespace

CElapsedProgressBar::CElapsedProgressBar(QWidget* pParent) : QProgressBar(pParent)
{
    setTextVisible(false);
    // A new position repaints the bar, which wipes the text drawn for the old one.
    connect(this, &QProgressBar::valueChanged, this, [this] {
        if (!m_strElapsed.isEmpty()) {
            m_strElapsed.clear();
            update();
        }
    });
}

void CElapsedProgressBar::SetElapsedText(const QString& strText)
{
    if (strText == m_strElapsed)
        return;
    m_strElapsed = strText;
    update();
}

void CElapsedProgressBar::paintEvent(QPaintEvent* pEvent)
{
    QProgressBar::paintEvent(pEvent);
    if (m_strElapsed.isEmpty())
        return;
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect area = rect().translated(0, kTextDrop);
    const int nWidth = metrics.horizontalAdvance(m_strElapsed);
    const QRect textRect(area.left() + (area.width() - nWidth) / 2, area.top(), nWidth, metrics.height());
    // Opaque, as text drawn with a fresh device context's colours: readable on the filled part.
    painter.fillRect(textRect, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_strElapsed);
}
