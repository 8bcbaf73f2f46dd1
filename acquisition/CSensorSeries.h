#pragma once
// The sensor words of a run, turned after the stream into the latest 256 values of each
// current-loop sensor. Only the last blocks can reach the series, so a fixed ring of words
// serves runs of any length without allocating.
#include <cstdint>

class CSensorSeries {
public:
    static constexpr int kValues = 256;
    static constexpr int kRing = 1024;  // a power of two above the 2 × 256 + 1 blocks needed

    void Reset();
    // Sensor word of block b (input 1 for even b, input 2 for odd b).
    void Record(int nBlock, std::uint16_t wWord) { m_wRing[nBlock & (kRing - 1)] = wWord; }
    // Converts the words of blocks 0 to nBlocks − 1 with each sensor's scaling.
    void Finish(int nBlocks, double dS1At4, double dS1At20, double dS2At4, double dS2At20);

    // Sensor 1 or 2; values 0 to Count − 1 are filled, oldest first.
    const double* Values(int nSensor) const { return m_dSeries[nSensor == 2 ? 1 : 0]; }
    int Count(int nSensor) const { return m_nCount[nSensor == 2 ? 1 : 0]; }

private:
    std::uint16_t m_wRing[kRing] = {};
    double m_dSeries[2][kValues] = {};
    int m_nCount[2] = {};
};
