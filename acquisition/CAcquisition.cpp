#include "acquisition/CAcquisition.h"

#include "instrument/BoxProtocol.h"

#include <chrono>

CAcquisition::CAcquisition(IAcquisitionHost& host, ISettingsStore* pStore) : m_host(host), m_pStore(pStore)
{
    if (m_pStore) {
        SETTINGS settings = GetSettings();
        m_pStore->Load(settings);
        SetSettings(settings);
    }
}

CAcquisition::~CAcquisition()
{
    Shutdown();
    if (m_pStore)
        m_pStore->Save(GetSettings());
}

void CAcquisition::SelectChannels()
{
    m_nChannelMask = box::ChannelMask(m_bMic);
    m_nChannels = box::ChannelCount(m_bMic);
}

SETTINGS CAcquisition::GetSettings() const
{
    SETTINGS s;
    s.dSensor1At4mA = m_dSensor1At4mA;
    s.dSensor1At20mA = m_dSensor1At20mA;
    s.dSensor2At4mA = m_dSensor2At4mA;
    s.dSensor2At20mA = m_dSensor2At20mA;
    for (int k = 0; k < 6; ++k)
        s.strSignalName[k] = m_strSignalName[k];
    return s;
}

void CAcquisition::SetSettings(const SETTINGS& s)
{
    m_dSensor1At4mA = s.dSensor1At4mA;
    m_dSensor1At20mA = s.dSensor1At20mA;
    m_dSensor2At4mA = s.dSensor2At4mA;
    m_dSensor2At20mA = s.dSensor2At20mA;
    for (int k = 0; k < 6; ++k)
        m_strSignalName[k] = s.strSignalName[k];
}

bool CAcquisition::WaitForRunEnd(int nTimeoutMs)
{
    if (!m_pThread)
        return true;
    std::unique_lock lock(m_endMutex);
    return m_endCond.wait_for(lock, std::chrono::milliseconds(nTimeoutMs), [this] { return m_bThreadEnded; });
}

void CAcquisition::ThreadEnded()
{
    m_bRunning = FALSE;
    {
        std::lock_guard lock(m_endMutex);
        m_bThreadEnded = true;
    }
    m_endCond.notify_all();
    if (!m_bQuiet)
        m_host.PostRunEnded();
}

// Joining orders everything the thread wrote (result, g_wBlockBuffer) before what follows.
void CAcquisition::JoinRun()
{
    if (m_pThread) {
        m_pThread->join();
        m_pThread.reset();
    }
    if (!m_pRun)
        return;
    m_lastRun = std::move(m_pRun->result);
    if (m_lastRun.bCompleted) {
        const int n = m_pRun->params.nChannels;
        for (int f = 0; f < kCaptureColumns; ++f)
            for (int j = 0; j < n; ++j)
                g_dCapture[j][f] = static_cast<std::int16_t>(g_wBlockBuffer[f * n + j]);
    }
    m_pRun.reset();
}

void CAcquisition::Shutdown()
{
    if (!m_pThread)
        return;
    m_bQuiet = true;
    m_bStop = TRUE;
    JoinRun();
    m_bRecording = FALSE;
    m_bStop = FALSE;
    m_bQuiet = false;
}
