#include "platform/forms/CProgressCtrl.h"

void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    if (m_pBar)
        m_pBar->setRange(nLower, nUpper);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    nLower = m_pBar ? m_pBar->minimum() : 0;
    nUpper = m_pBar ? m_pBar->maximum() : 0;
}

int CProgressCtrl::SetPos(int nPos)
{
    if (!m_pBar)
        return 0;
    const int nPrevious = GetPos();
    // QProgressBar ignores values outside its range; the control clamps them instead.
    m_pBar->setValue(qBound(m_pBar->minimum(), nPos, m_pBar->maximum()));
    return nPrevious;
}

int CProgressCtrl::GetPos() const
{
    if (!m_pBar)
        return 0;
    // A reset bar reports minimum - 1.
    return qMax(m_pBar->value(), m_pBar->minimum());
}
