#pragma once
// What the box commands share: the --simulate choice, the back end, and Ctrl+C / SIGTERM /
// hangup turned into "Stop".
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <string>

namespace cli {

// Removes every --simulate or --simulate=OPTIONS before the command name and remembers the
// last one; the rest of the arguments are returned.
QStringList TakeSimulateOption(const QStringList& args);

// Chooses the simulated box (option or VADEL_SIMULATE) or the real one; false with the
// reason on err.
bool SelectBox(QTextStream& err);

// While alive, SIGINT, SIGTERM and SIGHUP (unless ignored) only raise a flag; the previous
// handlers come back after.
class CStopSignals {
public:
    CStopSignals();
    ~CStopSignals();
    CStopSignals(const CStopSignals&) = delete;
    CStopSignals& operator=(const CStopSignals&) = delete;

    static bool Requested();
    // As if a signal had arrived (tests).
    static void Raise();
};

}  // namespace cli
