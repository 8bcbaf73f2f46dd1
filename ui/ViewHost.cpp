#include "ui/ViewHost.h"

#include "platform/forms/ResourceText.h"

#include "platform/forms/MessageBox.h"
#include "res/StringTable.h"
#include "res/Resource.h"
#include "ui/CElapsedProgressBar.h"
#include "ui/CVadelView.h"

#include <QLineEdit>
#include <QMetaObject>

bool CViewHost::UpdateData(bool bSaveAndValidate)
{
    return m_view.UpdateData(bSaveAndValidate ? TRUE : FALSE) != FALSE;
}

void CViewHost::MessageBox(const QString& strText)
{
    platform::MessageBox(&m_view, strText, LoadResourceString(res::IDS_APP_TITLE));
}

void CViewHost::EnableControl(int nId, bool bEnable)
{
    if (QWidget* pControl = m_view.GetDlgItem(nId))
        pControl->setEnabled(bEnable);
}

void CViewHost::SetControlText(int nId, const QString& strText)
{
    if (auto* pEdit = qobject_cast<QLineEdit*>(m_view.GetDlgItem(nId)))
        pEdit->setText(strText);
}

void CViewHost::SetProgressRange(int nLower, int nUpper) { m_view.m_Progress.SetRange32(nLower, nUpper); }

void CViewHost::SetProgressPos(int nPos)
{
    // The time written for the last position goes even when the position stays (a run
    // that ends at its first block would leave "0:00" on the idle bar).
    if (CElapsedProgressBar* pBar = m_view.GetProgressBar())
        pBar->SetElapsedText(QString());
    m_view.m_Progress.SetPos(nPos);
}

int CViewHost::GetProgressUpper()
{
    int nLower = 0;
    int nUpper = 0;
    m_view.m_Progress.GetRange(nLower, nUpper);
    return nUpper;
}

void CViewHost::DrawProgressText(const QString& strText)
{
    if (CElapsedProgressBar* pBar = m_view.GetProgressBar())
        pBar->SetElapsedText(strText);
}

void CViewHost::Invalidate() { m_view.Invalidate(); }

void CViewHost::PostRunEnded()
{
    // Queued to the view: dropped with it if the window has gone meanwhile.
    QMetaObject::invokeMethod(&m_view, [pView = &m_view] { pView->OnTimer(); }, Qt::QueuedConnection);
}
