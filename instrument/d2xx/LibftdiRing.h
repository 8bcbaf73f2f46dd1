#pragma once
// Bytes drained from the chip by a channel's reader thread, waiting for the port's reads.
// The chip's own buffer lasts milliseconds at the box's stream rate; this one lasts seconds,
// so a slow consumer never makes the chip drop data unnoticed.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace d2xx {

class CByteRing {
public:
    explicit CByteRing(std::size_t nCapacity);
    CByteRing(const CByteRing&) = delete;
    CByteRing& operator=(const CByteRing&) = delete;

    // Appends what fits. When bytes had to be dropped the ring is marked overflowed and takes
    // nothing more until Clear: what followed the gap would be misaligned with what preceded it.
    // Returns false when anything was dropped.
    bool Write(const std::uint8_t* pData, std::size_t nCount);

    // Waits until nCount bytes are there, the timeout passes, or no more can come (overflow,
    // fault); copies what is there, at most nCount, and returns that count.
    std::size_t Read(std::uint8_t* pBuffer, std::size_t nCount, std::chrono::milliseconds timeout);

    std::size_t Available() const;
    std::size_t Capacity() const { return m_buffer.size(); }
    bool Overflowed() const;
    std::uint64_t DroppedBytes() const;

    // Empties the ring and forgets an overflow (a purge).
    void Clear();
    // The producer has stopped for good (device gone, channel closing): wake and end all waits.
    void SetFault();
    bool Faulted() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cvData;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_nHead = 0;  // next byte to read
    std::size_t m_nSize = 0;
    bool m_bOverflowed = false;
    bool m_bFaulted = false;
    std::uint64_t m_nDropped = 0;
};

}  // namespace d2xx
