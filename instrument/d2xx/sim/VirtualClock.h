#pragma once
// The simulated box's time in microseconds. Real: it follows the steady clock and waits
// sleep. Virtual: it stands still until someone waits, and a wait moves it on at once,
// so tests and the `fast` box never spend real time on a timeout or a settle delay.
#include <atomic>
#include <chrono>
#include <cstdint>

namespace sim {

class CVirtualClock {
public:
    CVirtualClock();

    // Switching also puts virtual time back to 0.
    void SetVirtual(bool bVirtual);
    bool IsVirtual() const { return m_bVirtual.load(std::memory_order_acquire); }

    std::int64_t Now() const;
    // Virtual time moves on; real time is left alone (callers sleep for real instead).
    void Advance(std::int64_t nMicroseconds);
    void AdvanceTo(std::int64_t nMicroseconds);
    // Waits for nMicroseconds on this clock: a sleep, or a step of virtual time.
    void Wait(std::int64_t nMicroseconds);

    std::chrono::steady_clock::time_point ToSteady(std::int64_t nMicroseconds) const;

private:
    const std::chrono::steady_clock::time_point m_origin;
    std::atomic<bool> m_bVirtual{false};
    std::atomic<std::int64_t> m_nVirtualUs{0};
};

}  // namespace sim
