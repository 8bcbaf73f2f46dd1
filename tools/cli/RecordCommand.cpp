// vadel-cli record: a recording run as "Start" makes it, with Ctrl+C, SIGTERM or hangup as "Stop".
#include "acquisition/CAcquisition.h"
#include "tools/cli/CCliHost.h"
#include "tools/cli/CProgressLine.h"
#include "tools/cli/CliBox.h"
#include "tools/cli/CliCommand.h"

#include <csignal>
#include <pthread.h>
#include <unistd.h>

namespace cli {

namespace {

constexpr int kWaitSliceMs = 50;
constexpr int kTimerSlices = 4;  // the form's 200 ms update timer

// The recording thread (and the driver's threads it starts) must not take the stop
// signals: an interrupted transfer would end the run as a failure.
bool StartWithSignalsBlocked(CAcquisition& acq)
{
    sigset_t block, old;
    sigemptyset(&block);
    sigaddset(&block, SIGINT);
    sigaddset(&block, SIGTERM);
    sigaddset(&block, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &block, &old);
    acq.OnStart();
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    return acq.IsRunActive();
}

}  // namespace

int RunRecord(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Records the selected microphones into a WAV file, followed by the six signal "
                       "names. Ctrl+C, SIGTERM or a closed terminal stops the recording and finishes the file."));
    const QCommandLineOption time(QStringLiteral("time"), QStringLiteral("Length in seconds, 1 to 1500 (default 1)."),
                                  QStringLiteral("seconds"), QStringLiteral("1"));
    const QCommandLineOption mics = MicsOption();
    const QCommandLineOption buzzer(QStringLiteral("buzzer"), QStringLiteral("Sound the buzzer while recording."));
    const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("The WAV file (default data.wav)."),
                                    QStringLiteral("file"), QStringLiteral("data.wav"));
    parser.addOptions({time, mics, buzzer, output});
    if (const int nExit = ParseArguments(parser, args, out, err); nExit >= 0)
        return nExit;

    CCliHost host(err);
    if (const int nExit = TakeSelection(parser, mics, buzzer, args, err, host); nExit >= 0)
        return nExit;
    host.m_strTimeField = parser.value(time);
    host.m_strOutputField = parser.value(output);
    if (!SelectBox(err))
        return kExitFailure;

    CSettingsStore store(true);
    CAcquisition acq(host, &store);
    host.Attach(&acq);
    CStopSignals stopSignals;
    // A reader of our output that goes away (a pager quit, "| head", tee ended by the same
    // Ctrl+C) must not kill us mid-run: writes just fail, up to the last flush at exit.
    std::signal(SIGPIPE, SIG_IGN);
    if (!StartWithSignalsBlocked(acq))
        return host.m_bValidationFailed ? kExitUsage : kExitFailure;

    CProgressLine progress(err, isatty(STDERR_FILENO) != 0, acq.m_nTime);
    bool bStopped = false;
    while (acq.IsRunActive()) {
        for (int i = 0; i < kTimerSlices; ++i) {
            if (!bStopped && CStopSignals::Requested()) {
                acq.OnStop();
                bStopped = true;
            }
            if (acq.WaitForRunEnd(kWaitSliceMs))
                break;
        }
        if (acq.m_bRunning)
            acq.OnTimer();
        if (acq.m_bRunning) {
            progress.Show(host.m_nProgressPos, host.m_nProgressUpper, host.m_strElapsed, host.m_strSensor1Text,
                          host.m_strSensor2Text);
        } else {
            progress.Done();
            acq.OnTimer();  // the end of the run: its messages, the form back to idle
        }
    }

    const RUNRESULT& run = acq.LastRun();
    if (run.bFileOpened)
        out << "Recorded " << static_cast<long long>(run.nBlocks) * 256 << " frames (" << run.nBlocks
            << " blocks) to " << parser.value(output) << "\n";
    return run.messages.isEmpty() ? kExitOk : kExitFailure;
}

}  // namespace cli
