#include "instrument/d2xx/sim/SimSignal.h"

#include "instrument/d2xx/sim/SimOptions.h"

#include <cstring>

namespace sim {

CSimSignal::CSimSignal() { SetMask(0); }

void CSimSignal::SetMask(int nMask)
{
    m_nMask = nMask & 0x3F;
    m_nChannels = 0;
    for (int i = 0; i < 6; ++i)
        m_nChannels += (m_nMask >> i) & 1;

    const int nFrames = kSignalPeriodFrames + kFramesPerBlock;
    m_vecFrames.assign(static_cast<size_t>(nFrames) * FrameBytes(), 0);
    std::uint8_t* p = m_vecFrames.data();
    for (int n = 0; n < nFrames; ++n) {
        for (int i = 0; i < 6; ++i) {
            if (!((m_nMask >> i) & 1))
                continue;
            const auto w = static_cast<std::uint16_t>(static_cast<std::int16_t>(SampleValue(i, n)));
            *p++ = static_cast<std::uint8_t>(w >> 8);
            *p++ = static_cast<std::uint8_t>(w & 0xFF);
        }
    }
}

void CSimSignal::Frames(long long nFirst, int nFrames, std::uint8_t* pDest) const
{
    if (m_nChannels == 0)
        return;
    while (nFrames > 0) {
        const int nNow = nFrames < kFramesPerBlock ? nFrames : kFramesPerBlock;
        const size_t nStart = static_cast<size_t>(nFirst % kSignalPeriodFrames) * FrameBytes();
        const size_t nBytes = static_cast<size_t>(nNow) * FrameBytes();
        std::memcpy(pDest, m_vecFrames.data() + nStart, nBytes);
        pDest += nBytes;
        nFirst += nNow;
        nFrames -= nNow;
    }
}

void CSimSignal::Block(long long nBlock, std::uint16_t wSensor, std::uint8_t* pDest) const
{
    Frames(nBlock * kFramesPerBlock, kFramesPerBlock, pDest);
    std::uint8_t* pWord = pDest + static_cast<size_t>(kFramesPerBlock) * FrameBytes();
    pWord[0] = static_cast<std::uint8_t>(wSensor >> 8);
    pWord[1] = static_cast<std::uint8_t>(wSensor & 0xFF);
}

}  // namespace sim
