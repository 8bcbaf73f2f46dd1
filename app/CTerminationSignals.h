#pragma once
// SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C in the terminal, kill) close the window the
// normal way, so a recording in progress is stopped and its file finished.
#include <QObject>

#include <functional>

class QSocketNotifier;

class CTerminationSignals : public QObject {
    Q_OBJECT
public:
    // fnClose runs on the GUI thread for the first signal; a second one ends the program
    // at once, for a close that hangs.
    explicit CTerminationSignals(std::function<void()> fnClose, QObject* pParent = nullptr);
    ~CTerminationSignals() override;

private:
    void OnSignal();

    std::function<void()> m_fnClose;
    QSocketNotifier* m_pNotifier = nullptr;
};
