#include "instrument/d2xx/sim/SimStream.h"

#include <algorithm>
#include <cstring>

namespace sim {

void CSimStream::Clear()
{
    m_queue.clear();
    m_bStreaming = false;
    m_bRts = false;
    m_nBase = m_nConsumed = 0;
    m_nSince = 0;
    m_nLimit = -1;
    m_nCachedBlock = -1;
    m_nBlocksDelivered = 0;
}

void CSimStream::Queue(const std::uint8_t* pBytes, std::size_t nBytes) { m_queue.insert(m_queue.end(), pBytes, pBytes + nBytes); }

void CSimStream::Start(std::int64_t nNow, const CSimSignal& signal, std::uint16_t wInput1, std::uint16_t wInput2,
                       long long nStallBlocks)
{
    if (signal.Mask() != m_signal.Mask())
        m_signal = signal;
    m_bStreaming = true;
    m_nSince = nNow;
    m_nBase = 0;
    m_nConsumed = 0;
    m_nLimit = nStallBlocks < 0 ? -1 : nStallBlocks * m_signal.BlockBytes();
    m_wSensor[0] = wInput1;
    m_wSensor[1] = wInput2;
    m_nCachedBlock = -1;
}

long long CSimStream::Produced(std::int64_t nNow) const
{
    long long n = m_nBase;
    if (m_bRts && nNow > m_nSince)
        n += (nNow - m_nSince) * m_signal.BlockBytes() / kBlockMicroseconds;
    return m_nLimit >= 0 ? std::min(n, m_nLimit) : n;
}

void CSimStream::Stop(std::int64_t nNow)
{
    if (!m_bStreaming)
        return;
    const long long nLeft = std::min(Produced(nNow) - m_nConsumed, kMaxBacklogBytes);
    if (nLeft > 0) {
        std::vector<std::uint8_t> vecLeft(static_cast<std::size_t>(nLeft));
        CopyStream(vecLeft.data(), m_nConsumed, vecLeft.size());
        Queue(vecLeft.data(), vecLeft.size());
    }
    m_bStreaming = false;
}

void CSimStream::Abandon()
{
    m_queue.clear();
    m_bStreaming = false;
}

void CSimStream::SetRts(bool bOn, std::int64_t nNow)
{
    if (bOn == m_bRts)
        return;
    if (m_bStreaming) {
        m_nBase = Produced(nNow);
        m_nSince = nNow;
    }
    m_bRts = bOn;
}

void CSimStream::Purge(std::int64_t nNow)
{
    m_queue.clear();
    if (m_bStreaming)
        m_nConsumed = Produced(nNow);
}

std::size_t CSimStream::Available(std::int64_t nNow) const
{
    const long long nStream = m_bStreaming ? Produced(nNow) - m_nConsumed : 0;
    return m_queue.size() + static_cast<std::size_t>(nStream);
}

std::int64_t CSimStream::TimeFor(std::size_t nBytes) const
{
    if (nBytes <= m_queue.size())
        return 0;
    if (!m_bStreaming || !m_bRts)
        return -1;
    const long long nTarget = m_nConsumed + static_cast<long long>(nBytes - m_queue.size());
    if (m_nLimit >= 0 && nTarget > m_nLimit)
        return -1;
    if (nTarget <= m_nBase)
        return m_nSince;
    const long long nPerBlock = m_signal.BlockBytes();
    return m_nSince + ((nTarget - m_nBase) * kBlockMicroseconds + nPerBlock - 1) / nPerBlock;
}

void CSimStream::Take(std::uint8_t* pDest, std::size_t nBytes)
{
    const std::size_t nQueued = std::min(nBytes, m_queue.size());
    std::copy_n(m_queue.begin(), nQueued, pDest);
    m_queue.erase(m_queue.begin(), m_queue.begin() + static_cast<std::ptrdiff_t>(nQueued));
    const std::size_t nStream = nBytes - nQueued;
    if (nStream == 0)
        return;
    const long long nPerBlock = m_signal.BlockBytes();
    const long long nBefore = m_nConsumed / nPerBlock;
    CopyStream(pDest + nQueued, m_nConsumed, nStream);
    m_nConsumed += static_cast<long long>(nStream);
    m_nBlocksDelivered += m_nConsumed / nPerBlock - nBefore;
}

void CSimStream::CopyStream(std::uint8_t* pDest, long long nOffset, std::size_t nBytes)
{
    const long long nPerBlock = m_signal.BlockBytes();
    while (nBytes > 0) {
        const long long nBlock = nOffset / nPerBlock;
        const long long nInBlock = nOffset % nPerBlock;
        if (nInBlock == 0 && static_cast<long long>(nBytes) >= nPerBlock) {
            // The usual case, a whole block per read: straight into the reader's buffer.
            m_signal.Block(nBlock, SensorWord(nBlock), pDest);
            pDest += nPerBlock;
            nOffset += nPerBlock;
            nBytes -= static_cast<std::size_t>(nPerBlock);
            continue;
        }
        if (m_nCachedBlock != nBlock) {
            m_vecBlock.resize(static_cast<std::size_t>(nPerBlock));
            m_signal.Block(nBlock, SensorWord(nBlock), m_vecBlock.data());
            m_nCachedBlock = nBlock;
        }
        const std::size_t nPiece = std::min(nBytes, static_cast<std::size_t>(nPerBlock - nInBlock));
        std::memcpy(pDest, m_vecBlock.data() + nInBlock, nPiece);
        pDest += nPiece;
        nOffset += static_cast<long long>(nPiece);
        nBytes -= nPiece;
    }
}

}  // namespace sim
