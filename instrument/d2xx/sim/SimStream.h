#pragma once
// What the box has sent on the data channel and the host has not read yet: answer bytes,
// readings and captures queued as they are made, then the stream, produced as a function of
// time (31250 frames/s while RTS is raised) and generated only when read.
#include "instrument/d2xx/sim/SimSignal.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace sim {

class CSimStream {
public:
    static constexpr std::int64_t kBlockMicroseconds = 8192;  // 256 frames at 31250 frames/s
    // Stream bytes still in transit when the box stops are kept up to the size of the
    // chip's receive buffer; the rest is lost, as on the wire.
    static constexpr long long kMaxBacklogBytes = 1 << 20;

    // Nothing in transit, no stream, RTS low.
    void Clear();
    void Queue(const std::uint8_t* pBytes, std::size_t nBytes);

    // Blocks numbered from 0 follow whatever is queued; the sensor word alternates between
    // the two readings. nStallBlocks < 0: no stall.
    void Start(std::int64_t nNow, const CSimSignal& signal, std::uint16_t wInput1, std::uint16_t wInput2,
               long long nStallBlocks);
    // ESC: the stream ends; what was sent stays in transit until read or purged.
    void Stop(std::int64_t nNow);
    // The host let go without ESC: the stream ends and nothing is left to read.
    void Abandon();
    void SetRts(bool bOn, std::int64_t nNow);
    void Purge(std::int64_t nNow);

    bool IsRts() const { return m_bRts; }
    bool IsStreaming() const { return m_bStreaming; }
    int BlockBytes() const { return m_signal.BlockBytes(); }

    std::size_t Available(std::int64_t nNow) const;
    // The earliest time at which nBytes will be available, or -1 if the box will not send
    // them without a further command (no stream, RTS low, stalled).
    std::int64_t TimeFor(std::size_t nBytes) const;
    // Takes nBytes, which must not exceed Available() at the current time.
    void Take(std::uint8_t* pDest, std::size_t nBytes);

    long long BlocksDelivered() const { return m_nBlocksDelivered; }

private:
    long long Produced(std::int64_t nNow) const;
    void CopyStream(std::uint8_t* pDest, long long nOffset, std::size_t nBytes);
    std::uint16_t SensorWord(long long nBlock) const { return m_wSensor[nBlock & 1]; }

    std::deque<std::uint8_t> m_queue;
    CSimSignal m_signal;
    bool m_bStreaming = false;
    bool m_bRts = false;
    std::int64_t m_nSince = 0;   // when production last resumed
    long long m_nBase = 0;       // stream bytes produced before m_nSince
    long long m_nConsumed = 0;   // stream bytes read or purged
    long long m_nLimit = -1;     // stream bytes before the stall; -1 none
    std::uint16_t m_wSensor[2] = {0, 0};
    std::vector<std::uint8_t> m_vecBlock;  // a block read in pieces
    long long m_nCachedBlock = -1;
    long long m_nBlocksDelivered = 0;
};

}  // namespace sim
