#include "app/CTerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Written by the handler, read on the GUI thread: the only safe way out of a handler.
int g_nSignalFds[2] = {-1, -1};
volatile std::sig_atomic_t g_nSignalsSeen = 0;

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void OnTerminationSignal(int nSignal)
{
    if (g_nSignalsSeen != 0) {
        // Second request while the first is still closing: give up on a clean end.
        std::signal(nSignal, SIG_DFL);
        std::raise(nSignal);
        return;
    }
    g_nSignalsSeen = 1;
    const char c = static_cast<char>(nSignal);
    [[maybe_unused]] const ssize_t n = ::write(g_nSignalFds[0], &c, 1);
}

}  // namespace

CTerminationSignals::CTerminationSignals(std::function<void()> fnClose, QObject* pParent)
    : QObject(pParent), m_fnClose(std::move(fnClose))
{
    if (g_nSignalFds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_nSignalFds) != 0)
        return;
    ::fcntl(g_nSignalFds[0], F_SETFL, O_NONBLOCK);
    m_pNotifier = new QSocketNotifier(g_nSignalFds[1], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CTerminationSignals::OnSignal);

    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int nSignal : kSignals)
        ::sigaction(nSignal, &action, nullptr);
}

CTerminationSignals::~CTerminationSignals()
{
    if (!m_pNotifier)
        return;
    for (int nSignal : kSignals)
        std::signal(nSignal, SIG_DFL);
    delete m_pNotifier;
    ::close(g_nSignalFds[0]);
    ::close(g_nSignalFds[1]);
    g_nSignalFds[0] = g_nSignalFds[1] = -1;
    g_nSignalsSeen = 0;
}

void CTerminationSignals::OnSignal()
{
    char c = 0;
    [[maybe_unused]] const ssize_t n = ::read(g_nSignalFds[1], &c, 1);
    if (m_fnClose)
        m_fnClose();
}
