#pragma once
// What the simulated box is told to be: its option text, and the words and samples it
// sends, so that a recording can be checked against them.
#include <cstdint>
#include <string>

namespace sim {

struct SIMOPTIONS {
    bool bFast = false;            // stream as fast as the reader takes it (virtual clock)
    bool bSilent = false;          // the box answers nothing
    bool bAbsent = false;          // no chip: neither channel exists
    long long nStallBlocks = -1;   // the stream stops after this many blocks; -1 never
    double dLoop1mA = 12.0;
    double dLoop2mA = 8.0;
    double dBoardTempC = 25.0;
};

// Comma-separated options: fast, silent, absent, stall=K, loop1=MA, loop2=MA, temp=C.
// Empty text gives the defaults. On failure `error` says what is wrong and `options` is
// left unchanged.
bool ParseSimOptions(const std::string& strText, SIMOPTIONS& options, std::string& error);

// Reading words as the box reports them: the host's conversions inverted and rounded.
// Out-of-range values are clamped to 0...65535 (the parser refuses them).
std::uint16_t LoopWord(double dMilliamps);
std::uint16_t BoardTempWord(double dCelsius);
// The exact (unclamped) word value, for range checks.
double LoopWordValue(double dMilliamps);
double BoardTempWordValue(double dCelsius);

// Sample of the input with mask bit nBit (0...5) at frame nFrame of a capture or stream:
// round(4000 (i+1) sin(2 pi 1000 (i+1) n / 31250)).
int SampleValue(int nBit, long long nFrame);

// Every input's sine repeats after this many frames (31250 / gcd(31250, 1000 (i+1))
// divides it for i = 0...5).
inline constexpr int kSignalPeriodFrames = 125;

}  // namespace sim
