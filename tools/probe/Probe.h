#pragma once
// One look at the box: open both channels, read the three sensors, stream some blocks and
// summarise what arrived.
#include "instrument/BoxProtocol.h"
#include "platform/Types.h"

#include <cstdio>
#include <optional>
#include <string>

struct PROBESETTINGS {
    std::optional<std::string> strSimulate;  // set: the simulated box with these options
    int nBlocks = 366;                       // 3 s of stream
    BOOL bMic[box::kMics] = {TRUE, TRUE, TRUE, TRUE, TRUE, TRUE};
};

// "1,3,6" (the numbers of the "Mic1"..."Mic6" boxes) into flags; false on a bad list.
bool ParseMicList(const std::string& strList, BOOL bMic[box::kMics]);

// Prints the summary on out and failures on err; returns the exit code (0 or 1).
int RunProbe(const PROBESETTINGS& settings, std::FILE* out, std::FILE* err);
