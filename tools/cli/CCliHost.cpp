#include "tools/cli/CCliHost.h"

#include "acquisition/ControlIds.h"
#include "acquisition/Messages.h"
#include "acquisition/SensorConversions.h"


bool CCliHost::UpdateData(bool bSaveAndValidate)
{
    if (!bSaveAndValidate || !m_pAcq)
        return true;
    // The form's exchange order: microphones, buzzer, time with its range, output file.
    // Like the form, a failure leaves the fields before it transferred.
    for (int i = 0; i < 6; ++i)
        m_pAcq->m_bMic[i] = m_bMicField[i] ? TRUE : FALSE;
    m_pAcq->m_bBuzzer = m_bBuzzerField ? TRUE : FALSE;
    int nTime = 0;
    if (!acq::ParseIntegerField(m_strTimeField, nTime)) {
        m_bValidationFailed = true;
        MessageBox(QString::fromLatin1(acq::kMsgEnterInteger));
        return false;
    }
    m_pAcq->m_nTime = nTime;
    if (!acq::TimeInRange(nTime)) {
        m_bValidationFailed = true;
        MessageBox(QString::fromLatin1(acq::kMsgEnterTimeRange));
        return false;
    }
    m_pAcq->m_strOutputFile = m_strOutputField;
    return true;
}

void CCliHost::MessageBox(const QString& strText)
{
    m_messages << strText;
    m_err << strText << "\n";
    m_err.flush();
}

void CCliHost::SetControlText(int nId, const QString& strText)
{
    if (nId == acq::IDC_SENSOR1)
        m_strSensor1Text = strText;
    else if (nId == acq::IDC_SENSOR2)
        m_strSensor2Text = strText;
}

void CCliHost::SetProgressRange(int, int nUpper)
{
    m_nProgressUpper = nUpper;
}

bool ParseMicList(const QString& strList, bool (&bMic)[6])
{
    bool bSelected[6] = {};
    for (const QString& strPart : strList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool bOk = false;
        const int nMic = strPart.trimmed().toInt(&bOk);
        if (!bOk || nMic < 1 || nMic > 6)
            return false;
        bSelected[6 - nMic] = true;  // "Mic1" is element 5, "Mic6" element 0
    }
    for (int i = 0; i < 6; ++i)
        bMic[i] = bSelected[i];
    return true;
}
