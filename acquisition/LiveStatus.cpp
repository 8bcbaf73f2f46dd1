// The update timer: live sensors and progress during a run, the form's return to idle after.
#include "acquisition/CAcquisition.h"
#include "res/Resource.h"
#include "acquisition/SensorConversions.h"

void CAcquisition::OnTimer()
{
    if (m_bInTimer || !m_bRecording)
        return;
    if (m_bRunning) {
        ShowLiveStatus();
        return;
    }
    // Message boxes below run their own event loop, in which the timer fires again.
    m_bInTimer = true;
    HandOverRun();
    m_bInTimer = false;
}

void CAcquisition::ShowLiveStatus()
{
    const int nBlock = m_nBlock;
    const unsigned nRaw1 = static_cast<unsigned>(m_nSensor1Raw.load());
    const unsigned nRaw2 = static_cast<unsigned>(m_nSensor2Raw.load());
    m_host.SetControlText(res::IDC_SENSOR1,
                          acq::FormatSensor1(acq::SensorValue(nRaw1, m_dSensor1At4mA, m_dSensor1At20mA)));
    m_host.SetControlText(res::IDC_SENSOR2,
                          acq::FormatSensor2(acq::SensorValue(nRaw2, m_dSensor2At4mA, m_dSensor2At20mA)));
    m_host.SetProgressPos(nBlock);
    m_host.DrawProgressText(acq::FormatElapsed(nBlock, m_nTime, m_host.GetProgressUpper()));
}

void CAcquisition::HandOverRun()
{
    JoinRun();
    m_bRecording = FALSE;
    m_bStop = FALSE;
    m_host.Invalidate();
    for (int nId : {res::IDC_GO, res::IDC_TEST_ADC, res::IDC_START, res::IDC_SENSOR_SETUP})
        m_host.EnableControl(nId, true);
    // A "Stop" pressed after the run would otherwise cut the next run to one block.
    m_host.EnableControl(res::IDC_STOP, false);
    m_host.SetProgressPos(0);
    for (const QString& strMessage : m_lastRun.messages)
        m_host.MessageBox(strMessage);
}
