#pragma once
// The main form's acquisition core, without widgets: the state the handlers, the timer and
// the recording thread share, and the work behind "Go", "Test ADC data", "Start", "Stop"
// and the update timer. The host interface carries the moments that touch the form.
#include "acquisition/CRecordRun.h"
#include "acquisition/CSettingsStore.h"
#include "acquisition/CaptureBuffers.h"
#include "acquisition/IAcquisitionHost.h"
#include "platform/Types.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class CAcquisition {
public:
    // Loads the settings from pStore; the destructor stops a run, waits for it and saves
    // them back. A null store keeps the defaults and saves nothing.
    explicit CAcquisition(IAcquisitionHost& host, ISettingsStore* pStore = nullptr);
    ~CAcquisition();
    CAcquisition(const CAcquisition&) = delete;
    CAcquisition& operator=(const CAcquisition&) = delete;

    // Handlers; call them on the GUI thread.
    void OnGo();
    void OnTestAdcData();
    void OnStart();
    void OnStop();
    void OnTimer();

    // m_nChannelMask and m_nChannels from m_bMic.
    void SelectChannels();
    // Asks a run to stop and waits until its thread has ended and the file is finished.
    // The run's result goes to LastRun() (its messages unshown) and the form's flags return
    // to idle without any host call. A host that goes away calls this first. No-op when idle.
    void Shutdown();

    // A run's thread exists whose end the GUI thread has not yet handled.
    bool IsRunActive() const { return m_pThread != nullptr; }
    // Waits up to nTimeoutMs for the recording thread to end; true once it has.
    bool WaitForRunEnd(int nTimeoutMs);
    // The last run that the GUI thread has handed over (valid once it has).
    const RUNRESULT& LastRun() const { return m_lastRun; }

    // Called on the recording thread before each block is read (tests and benchmarks).
    void SetBlockObserver(std::function<void(int)> observer) { m_blockObserver = std::move(observer); }

    SETTINGS GetSettings() const;
    void SetSettings(const SETTINGS& settings);

    // State of the form, in declaration order. Members that both threads touch are atomic;
    // the recording thread reads the rest through its own copy (RUNPARAMS).
    QString m_strBoardTemp;
    QString m_strSensor1;
    QString m_strSensor2;
    BOOL m_bMic[6] = {TRUE, TRUE, TRUE, TRUE, TRUE, TRUE};
    BOOL m_bBuzzer = FALSE;
    int m_nChannelMask = 0;
    int m_nChannels = 0;
    int m_nTime = 1;
    QString m_strOutputFile = QStringLiteral("data.wav");
    int m_nSampleRate = 31250;
    double m_dSensor1At4mA = 0.0;
    double m_dSensor1At20mA = 1.0;
    double m_dSensor2At4mA = 0.0;
    double m_dSensor2At20mA = 1.0;
    std::atomic<BOOL> m_bRunning{FALSE};
    std::atomic<BOOL> m_bRecording{FALSE};
    std::atomic<BOOL> m_bStop{FALSE};
    std::atomic<int> m_nBlock{0};
    std::atomic<int> m_nSensor1Raw{0};
    std::atomic<int> m_nSensor2Raw{0};
    QString m_strSignalName[6] = {"Mic1", "Mic2", "Mic3", "Mic4", "Mic5", "Mic6"};

private:
    friend int RecordThreadProc(CAcquisition* pView);

    bool OpenChannels(class CSerialPort& cmd, class CSerialPort& data);
    // One exchange on the GUI thread: both channels opened, failed transfers thrown, the
    // channels closed again before return. The failure's message, or null.
    const char* Exchange(const std::function<void(class CSerialPort& cmd, class CSerialPort& data)>& body);
    void ShowLiveStatus();
    void JoinRun();
    void HandOverRun();
    void ThreadEnded();  // recording thread, last step

    IAcquisitionHost& m_host;
    ISettingsStore* m_pStore;
    std::unique_ptr<CRecordRun> m_pRun;
    std::unique_ptr<std::thread> m_pThread;
    RUNRESULT m_lastRun;
    std::function<void(int)> m_blockObserver;
    std::mutex m_endMutex;
    std::condition_variable m_endCond;
    bool m_bThreadEnded = false;  // guarded by m_endMutex
    bool m_bInTimer = false;      // GUI thread: a message box may run the timer again
    std::atomic<bool> m_bQuiet{false};  // shutting down: the thread no longer calls the host
};
