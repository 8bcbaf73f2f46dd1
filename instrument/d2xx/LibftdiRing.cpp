#include "instrument/d2xx/LibftdiRing.h"

#include <algorithm>
#include <cstring>

namespace d2xx {

CByteRing::CByteRing(std::size_t nCapacity) : m_buffer(std::max<std::size_t>(nCapacity, 1)) {}

bool CByteRing::Write(const std::uint8_t* pData, std::size_t nCount)
{
    if (nCount == 0)
        return true;
    std::size_t nAccepted = 0;
    {
        std::lock_guard lock(m_mutex);
        if (!m_bOverflowed) {
            const std::size_t nCapacity = m_buffer.size();
            nAccepted = std::min(nCount, nCapacity - m_nSize);
            std::size_t nTail = (m_nHead + m_nSize) % nCapacity;
            const std::size_t nFirst = std::min(nAccepted, nCapacity - nTail);
            std::memcpy(m_buffer.data() + nTail, pData, nFirst);
            std::memcpy(m_buffer.data(), pData + nFirst, nAccepted - nFirst);
            m_nSize += nAccepted;
        }
        if (nAccepted < nCount) {
            m_bOverflowed = true;
            m_nDropped += nCount - nAccepted;
        }
    }
    m_cvData.notify_all();
    return nAccepted == nCount;
}

std::size_t CByteRing::Read(std::uint8_t* pBuffer, std::size_t nCount, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    m_cvData.wait_until(lock, deadline, [&] { return m_nSize >= nCount || m_bOverflowed || m_bFaulted; });

    const std::size_t nCapacity = m_buffer.size();
    const std::size_t nTaken = std::min(nCount, m_nSize);
    const std::size_t nFirst = std::min(nTaken, nCapacity - m_nHead);
    std::memcpy(pBuffer, m_buffer.data() + m_nHead, nFirst);
    std::memcpy(pBuffer + nFirst, m_buffer.data(), nTaken - nFirst);
    m_nHead = (m_nHead + nTaken) % nCapacity;
    m_nSize -= nTaken;
    return nTaken;
}

std::size_t CByteRing::Available() const
{
    std::lock_guard lock(m_mutex);
    return m_nSize;
}

bool CByteRing::Overflowed() const
{
    std::lock_guard lock(m_mutex);
    return m_bOverflowed;
}

std::uint64_t CByteRing::DroppedBytes() const
{
    std::lock_guard lock(m_mutex);
    return m_nDropped;
}

void CByteRing::Clear()
{
    std::lock_guard lock(m_mutex);
    m_nHead = 0;
    m_nSize = 0;
    m_bOverflowed = false;
}

void CByteRing::SetFault()
{
    {
        std::lock_guard lock(m_mutex);
        m_bFaulted = true;
    }
    m_cvData.notify_all();
}

bool CByteRing::Faulted() const
{
    std::lock_guard lock(m_mutex);
    return m_bFaulted;
}

}  // namespace d2xx
