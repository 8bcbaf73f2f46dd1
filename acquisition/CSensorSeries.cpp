#include "acquisition/CSensorSeries.h"

#include "acquisition/SensorConversions.h"

#include <algorithm>

void CSensorSeries::Reset()
{
    std::fill(std::begin(m_wRing), std::end(m_wRing), std::uint16_t{0});
    for (auto& row : m_dSeries)
        std::fill(std::begin(row), std::end(row), 0.0);
    m_nCount[0] = m_nCount[1] = 0;
}

void CSensorSeries::Finish(int nBlocks, double dS1At4, double dS1At20, double dS2At4, double dS2At20)
{
    // Each series ends with its sensor's latest value. Counting per sensor keeps that true
    // when "Stop" leaves an odd number of blocks, where sensor 1 has one value more.
    int nShift[2];
    for (int s = 0; s < 2; ++s) {
        const int nValues = (nBlocks + 1 - s) / 2;
        nShift[s] = std::max(0, nValues - kValues);
    }
    // Older blocks fall before position 0, so the ring holds every block that can land.
    const int nFirst = std::max(0, nBlocks - (kRing - 2));
    for (int b = nFirst; b < nBlocks; ++b) {
        const int nSensor = b % 2;
        const unsigned nRaw = m_wRing[b & (kRing - 1)];
        const int nPos = b / 2 - nShift[nSensor];
        if (nPos < 0)
            continue;
        m_dSeries[nSensor][nPos] = nSensor == 0 ? acq::SensorValue(nRaw, dS1At4, dS1At20)
                                                : acq::SensorValue(nRaw, dS2At4, dS2At20);
        m_nCount[nSensor] = std::max(m_nCount[nSensor], nPos + 1);
    }
}
