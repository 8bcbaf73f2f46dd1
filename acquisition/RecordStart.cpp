// "Start" and "Stop": the checks, the form's recording state and the thread.
#include "acquisition/CAcquisition.h"
#include "res/Resource.h"
#include "acquisition/Messages.h"
#include "acquisition/SensorConversions.h"

#include <system_error>

void CAcquisition::OnStart()
{
    if (m_pThread)  // the last run's end has not been handled yet
        return;
    if (!m_host.UpdateData(true))
        return;
    SelectChannels();
    if (m_strOutputFile.isEmpty()) {
        m_host.MessageBox(QString::fromLatin1(acq::kMsgNoOutputFile));
        return;
    }
    if (m_nChannels == 0) {  // the planned size would divide by zero
        m_host.MessageBox(QString::fromLatin1(acq::kMsgNoMicrophone));
        return;
    }

    m_pRun = std::make_unique<CRecordRun>();
    RUNPARAMS& p = m_pRun->params;
    p.strOutputFile = m_strOutputFile;
    for (int k = 0; k < 6; ++k)
        p.strSignalName[k] = m_strSignalName[k];
    p.bBuzzer = m_bBuzzer;
    p.nChannelMask = m_nChannelMask;
    p.nChannels = m_nChannels;
    p.nTime = m_nTime;
    p.nSampleRate = m_nSampleRate;
    p.dSensor1At4mA = m_dSensor1At4mA;
    p.dSensor1At20mA = m_dSensor1At20mA;
    p.dSensor2At4mA = m_dSensor2At4mA;
    p.dSensor2At20mA = m_dSensor2At20mA;

    for (int nId : {res::IDC_GO, res::IDC_TEST_ADC, res::IDC_START, res::IDC_SENSOR_SETUP})
        m_host.EnableControl(nId, false);
    m_host.EnableControl(res::IDC_STOP, true);
    m_host.SetControlText(res::IDC_SENSOR1, QString());
    m_host.SetControlText(res::IDC_SENSOR2, QString());
    m_host.SetProgressPos(0);
    m_host.SetProgressRange(0, acq::ProgressUpper(m_nTime, m_nSampleRate));

    // A "Stop" left over from an earlier run must not end this one after its first block.
    m_bStop = FALSE;
    {
        std::lock_guard lock(m_endMutex);
        m_bThreadEnded = false;
    }
    try {
        m_pThread = std::make_unique<std::thread>(RecordThreadProc, this);
    } catch (const std::system_error&) {
        m_pRun.reset();
        for (int nId : {res::IDC_GO, res::IDC_TEST_ADC, res::IDC_START, res::IDC_SENSOR_SETUP})
            m_host.EnableControl(nId, true);
        m_host.EnableControl(res::IDC_STOP, false);
        m_host.MessageBox(QString::fromLatin1(acq::kMsgMemoryException));
    }
}

void CAcquisition::OnStop()
{
    m_bStop = TRUE;
    m_host.EnableControl(res::IDC_STOP, false);
}
