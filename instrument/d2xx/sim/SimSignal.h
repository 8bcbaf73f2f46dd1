#pragma once
// The bytes the box puts on the wire for the selected inputs: frames of big-endian sample
// words, and stream blocks of 256 frames and a sensor word. One signal period is kept
// ready per mask, so a block is two copies and a word.
#include <cstdint>
#include <vector>

namespace sim {

class CSimSignal {
public:
    static constexpr int kFramesPerBlock = 256;

    CSimSignal();
    void SetMask(int nMask);
    int Mask() const { return m_nMask; }
    int Channels() const { return m_nChannels; }
    int FrameBytes() const { return 2 * m_nChannels; }
    int BlockBytes() const { return 2 * (kFramesPerBlock * m_nChannels + 1); }

    // nFrames frames from frame nFirst on.
    void Frames(long long nFirst, int nFrames, std::uint8_t* pDest) const;
    // Stream block nBlock (numbered from 0): its frames, then the sensor word.
    void Block(long long nBlock, std::uint16_t wSensor, std::uint8_t* pDest) const;

private:
    int m_nMask = 0;
    int m_nChannels = 0;
    // One period followed by a block's worth, so any run of 256 frames is contiguous.
    std::vector<std::uint8_t> m_vecFrames;
};

}  // namespace sim
