#include "instrument/d2xx/sim/VirtualClock.h"

#include <thread>

namespace sim {

CVirtualClock::CVirtualClock() : m_origin(std::chrono::steady_clock::now()) {}

void CVirtualClock::SetVirtual(bool bVirtual)
{
    m_nVirtualUs.store(0, std::memory_order_release);
    m_bVirtual.store(bVirtual, std::memory_order_release);
}

std::int64_t CVirtualClock::Now() const
{
    if (IsVirtual())
        return m_nVirtualUs.load(std::memory_order_acquire);
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - m_origin).count();
}

void CVirtualClock::Advance(std::int64_t nMicroseconds)
{
    if (nMicroseconds > 0 && IsVirtual())
        m_nVirtualUs.fetch_add(nMicroseconds, std::memory_order_acq_rel);
}

void CVirtualClock::AdvanceTo(std::int64_t nMicroseconds)
{
    if (!IsVirtual())
        return;
    std::int64_t nNow = m_nVirtualUs.load(std::memory_order_acquire);
    while (nNow < nMicroseconds && !m_nVirtualUs.compare_exchange_weak(nNow, nMicroseconds, std::memory_order_acq_rel)) {
    }
}

void CVirtualClock::Wait(std::int64_t nMicroseconds)
{
    if (nMicroseconds <= 0)
        return;
    if (IsVirtual())
        Advance(nMicroseconds);
    else
        std::this_thread::sleep_for(std::chrono::microseconds(nMicroseconds));
}

std::chrono::steady_clock::time_point CVirtualClock::ToSteady(std::int64_t nMicroseconds) const
{
    return m_origin + std::chrono::microseconds(nMicroseconds);
}

}  // namespace sim
