#pragma once
// The simulated box as the driver sees it: a dual-channel chip whose device index 0 is the
// command channel and index 1 the data channel, with the box's firmware behind them. One
// instance per process (Box()); the simulated call table forwards to it, and tests reach it
// to reconfigure it and to look at what the host did.
#include "instrument/d2xx/D2xxApi.h"
#include "instrument/d2xx/sim/SimEeprom.h"
#include "instrument/d2xx/sim/SimFirmware.h"
#include "instrument/d2xx/sim/SimOptions.h"
#include "instrument/d2xx/sim/VirtualClock.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace sim {

class CSimulatedBox {
public:
    static constexpr int kChannels = 2;
    static constexpr std::uint32_t kDefaultTimeoutMs = 2000;

    CSimulatedBox();
    ~CSimulatedBox();
    CSimulatedBox(const CSimulatedBox&) = delete;
    CSimulatedBox& operator=(const CSimulatedBox&) = delete;

    // Power-on state with new options: open handles become invalid, logs and counters are
    // emptied. With a virtual clock (also implied by `fast`) platform::Sleep advances it;
    // a real clock puts the previous wait back.
    bool Reset(const std::string& strOptions, bool bVirtualClock, std::string& error);
    void Reset(const SIMOPTIONS& options, bool bVirtualClock);
    SIMOPTIONS Options() const;

    // What the host did and what the box holds.
    std::vector<SIMBREACH> Breaches() const;
    long long BreachCount() const;
    std::vector<std::uint8_t> CommandBytes() const;
    bool IsRtsRaised() const;
    bool IsStreaming() const;
    bool IsBuzzerOn() const;
    int Mask() const;
    long long BlocksDelivered() const;
    long long Captures() const;
    long long StreamsStarted() const;
    // Streams whose data channel was closed without ESC (the box then stops by itself).
    long long StreamsAbandoned() const;
    bool IsChannelOpen(int nIndex) const;
    std::uint32_t BaudRate(int nIndex) const;
    std::uint32_t ReadTimeoutMs(int nIndex) const;
    CVirtualClock& Clock() { return m_clock; }

    // The driver calls.
    d2xx::FT_STATUS DeviceCount(std::uint32_t* pCount);
    d2xx::FT_STATUS DeviceInfo(std::uint32_t nIndex, std::uint32_t* pFlags, std::uint32_t* pType, std::uint32_t* pId,
                               std::uint32_t* pLocId, void* pSerial, void* pDescription, d2xx::FT_HANDLE* pHandle);
    d2xx::FT_STATUS Open(int nIndex, d2xx::FT_HANDLE* pHandle);
    d2xx::FT_STATUS OpenEx(const void* pArg, std::uint32_t nFlags, d2xx::FT_HANDLE* pHandle);
    d2xx::FT_STATUS Close(d2xx::FT_HANDLE h);
    d2xx::FT_STATUS SetBaudRate(d2xx::FT_HANDLE h, std::uint32_t nBaud);
    d2xx::FT_STATUS SetTimeouts(d2xx::FT_HANDLE h, std::uint32_t nReadMs, std::uint32_t nWriteMs);
    // Settings the box does not depend on (transfer sizes, latency, line format, flow control).
    d2xx::FT_STATUS Accept(d2xx::FT_HANDLE h);
    d2xx::FT_STATUS Read(d2xx::FT_HANDLE h, void* pBuffer, std::uint32_t nCount, std::uint32_t* pReturned);
    d2xx::FT_STATUS Write(d2xx::FT_HANDLE h, const void* pBuffer, std::uint32_t nCount, std::uint32_t* pWritten);
    d2xx::FT_STATUS QueueStatus(d2xx::FT_HANDLE h, std::uint32_t* pBytes);
    d2xx::FT_STATUS Purge(d2xx::FT_HANDLE h, std::uint32_t nMask);
    d2xx::FT_STATUS SetRts(d2xx::FT_HANDLE h, bool bOn);
    d2xx::FT_STATUS EeRead(d2xx::FT_HANDLE h, d2xx::FT_PROGRAM_DATA* pData);
    d2xx::FT_STATUS EeProgram(d2xx::FT_HANDLE h, const d2xx::FT_PROGRAM_DATA* pData);
    d2xx::FT_STATUS UserAreaSize(d2xx::FT_HANDLE h, std::uint32_t* pSize);
    d2xx::FT_STATUS UserAreaRead(d2xx::FT_HANDLE h, std::uint8_t* pData, std::uint32_t nLength, std::uint32_t* pRead);
    d2xx::FT_STATUS UserAreaWrite(d2xx::FT_HANDLE h, const std::uint8_t* pData, std::uint32_t nLength);

private:
    struct CHANNEL {
        bool bOpen = false;
        std::uint32_t nGeneration = 0;
        std::uint32_t nBaud = 0;
        std::uint32_t nReadTimeoutMs = kDefaultTimeoutMs;
    };

    // The channel index of a live handle, or -1. Callers hold m_mutex.
    int ChannelOf(d2xx::FT_HANDLE h) const;
    bool IsLive(d2xx::FT_HANDLE h) const { return ChannelOf(h) >= 0; }
    d2xx::FT_STATUS OpenLocked(int nIndex, d2xx::FT_HANDLE* pHandle);
    // Waits until nUntil on the box's clock; false if the handle died meanwhile.
    bool WaitLocked(std::unique_lock<std::mutex>& lock, d2xx::FT_HANDLE h, std::int64_t nUntil);
    void InstallSleepHook(bool bVirtual);

    mutable std::mutex m_mutex;
    std::condition_variable m_cvChanged;
    CVirtualClock m_clock;
    SIMOPTIONS m_options;
    CSimFirmware m_firmware;
    CHANNEL m_channels[kChannels];
    std::uint32_t m_nNextGeneration = 1;
    long long m_nAbandoned = 0;

    CSimEeprom m_eeprom;  // survives Reset, as a chip's EEPROM survives a power cycle

    std::mutex m_hookMutex;
    bool m_bHookInstalled = false;
    std::function<void(int)> m_previousHook;
};

// The process' simulated box (never destroyed, so late readers stay safe).
CSimulatedBox& Box();

}  // namespace sim
