#include "tools/cli/CliBox.h"

#include "instrument/d2xx/D2xxBackends.h"

#include <atomic>
#include <csignal>

namespace cli {

namespace {

std::optional<std::string> g_simulate;
volatile std::sig_atomic_t g_nStopSignal = 0;
std::atomic<int> g_nInstalled{0};

extern "C" void OnStopSignal(int)
{
    g_nStopSignal = 1;
}

}  // namespace

QStringList TakeSimulateOption(const QStringList& args)
{
    g_simulate.reset();  // each command line chooses afresh
    QStringList rest;
    bool bBeforeCommand = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (i > 0 && bBeforeCommand) {
            if (arg == QLatin1String("--simulate")) {
                g_simulate = std::string();
                continue;
            }
            if (arg.startsWith(QLatin1String("--simulate="))) {
                g_simulate = arg.mid(11).toStdString();
                continue;
            }
            if (!arg.startsWith(QLatin1Char('-')))
                bBeforeCommand = false;
        }
        rest << arg;
    }
    return rest;
}

bool SelectBox(QTextStream& err)
{
    std::string error;
    if (!d2xx::D2xxSelect(g_simulate, error)) {
        err << QString::fromStdString(error) << "\n";
        err.flush();
        return false;
    }
    return true;
}

namespace {
struct sigaction g_oldInt;
struct sigaction g_oldTerm;
struct sigaction g_oldHup;
}  // namespace

CStopSignals::CStopSignals()
{
    g_nStopSignal = 0;
    if (g_nInstalled++ == 0) {
        struct sigaction sa = {};
        sa.sa_handler = &OnStopSignal;
        sa.sa_flags = SA_RESTART;
        sigemptyset(&sa.sa_mask);
        sigaction(SIGINT, &sa, &g_oldInt);
        sigaction(SIGTERM, &sa, &g_oldTerm);
        // A closed terminal ends the run like Ctrl+C, unless the user asked to survive it (nohup).
        sigaction(SIGHUP, nullptr, &g_oldHup);
        if (g_oldHup.sa_handler != SIG_IGN)
            sigaction(SIGHUP, &sa, nullptr);
    }
}

CStopSignals::~CStopSignals()
{
    if (--g_nInstalled == 0) {
        sigaction(SIGINT, &g_oldInt, nullptr);
        sigaction(SIGTERM, &g_oldTerm, nullptr);
        sigaction(SIGHUP, &g_oldHup, nullptr);
    }
}

bool CStopSignals::Requested()
{
    return g_nStopSignal != 0;
}

void CStopSignals::Raise()
{
    g_nStopSignal = 1;
}

}  // namespace cli
