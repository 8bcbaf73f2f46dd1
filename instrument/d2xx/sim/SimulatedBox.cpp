#include "instrument/d2xx/sim/SimulatedBox.h"

#include "platform/Sleep.h"

#include <algorithm>

using namespace d2xx;

namespace sim {
namespace {

constexpr int kCommandChannel = 0;
constexpr int kDataChannel = 1;
constexpr std::uint32_t kFlagOpened = 1;
constexpr std::uint32_t kFlagHighSpeed = 2;

FT_HANDLE MakeHandle(int nIndex, std::uint32_t nGeneration)
{
    return reinterpret_cast<FT_HANDLE>(static_cast<std::uintptr_t>(nGeneration) << 1 | static_cast<std::uintptr_t>(nIndex));
}

}  // namespace

CSimulatedBox& Box()
{
    static CSimulatedBox* pBox = new CSimulatedBox;
    return *pBox;
}

CSimulatedBox::CSimulatedBox() { m_firmware.Reset(m_options); }

CSimulatedBox::~CSimulatedBox() { InstallSleepHook(false); }

bool CSimulatedBox::Reset(const std::string& strOptions, bool bVirtualClock, std::string& error)
{
    SIMOPTIONS options;
    if (!ParseSimOptions(strOptions, options, error))
        return false;
    Reset(options, bVirtualClock);
    return true;
}

void CSimulatedBox::Reset(const SIMOPTIONS& options, bool bVirtualClock)
{
    const bool bVirtual = bVirtualClock || options.bFast;
    {
        std::lock_guard lock(m_mutex);
        for (CHANNEL& channel : m_channels)
            channel = CHANNEL();
        m_options = options;
        m_firmware.Reset(options);
        m_nAbandoned = 0;
        m_clock.SetVirtual(bVirtual);
    }
    m_cvChanged.notify_all();
    InstallSleepHook(bVirtual);
}

void CSimulatedBox::InstallSleepHook(bool bVirtual)
{
    std::lock_guard lock(m_hookMutex);
    if (bVirtual && !m_bHookInstalled) {
        m_previousHook = platform::SetSleepHook([this](int nMs) { m_clock.Wait(static_cast<std::int64_t>(nMs) * 1000); });
        m_bHookInstalled = true;
    } else if (!bVirtual && m_bHookInstalled) {
        platform::SetSleepHook(std::move(m_previousHook));
        m_previousHook = nullptr;
        m_bHookInstalled = false;
    }
}

SIMOPTIONS CSimulatedBox::Options() const
{
    std::lock_guard lock(m_mutex);
    return m_options;
}

std::vector<SIMBREACH> CSimulatedBox::Breaches() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware.Breaches();
}

long long CSimulatedBox::BreachCount() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware.BreachCount();
}

std::vector<std::uint8_t> CSimulatedBox::CommandBytes() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware.CommandBytes();
}

bool CSimulatedBox::IsRtsRaised() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware.Stream().IsRts();
}

bool CSimulatedBox::IsStreaming() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware.Stream().IsStreaming();
}

bool CSimulatedBox::IsBuzzerOn() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware.IsBuzzerOn();
}

int CSimulatedBox::Mask() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware.Mask();
}

long long CSimulatedBox::BlocksDelivered() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware.Stream().BlocksDelivered();
}

long long CSimulatedBox::Captures() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware.Captures();
}

long long CSimulatedBox::StreamsStarted() const
{
    std::lock_guard lock(m_mutex);
    return m_firmware.StreamsStarted();
}

long long CSimulatedBox::StreamsAbandoned() const
{
    std::lock_guard lock(m_mutex);
    return m_nAbandoned;
}

bool CSimulatedBox::IsChannelOpen(int nIndex) const
{
    std::lock_guard lock(m_mutex);
    return nIndex >= 0 && nIndex < kChannels && m_channels[nIndex].bOpen;
}

std::uint32_t CSimulatedBox::BaudRate(int nIndex) const
{
    std::lock_guard lock(m_mutex);
    return nIndex >= 0 && nIndex < kChannels ? m_channels[nIndex].nBaud : 0;
}

std::uint32_t CSimulatedBox::ReadTimeoutMs(int nIndex) const
{
    std::lock_guard lock(m_mutex);
    return nIndex >= 0 && nIndex < kChannels ? m_channels[nIndex].nReadTimeoutMs : 0;
}

int CSimulatedBox::ChannelOf(FT_HANDLE h) const
{
    const auto nToken = reinterpret_cast<std::uintptr_t>(h);
    const int nIndex = static_cast<int>(nToken & 1);
    const auto nGeneration = static_cast<std::uint32_t>(nToken >> 1);
    const CHANNEL& channel = m_channels[nIndex];
    return nGeneration != 0 && channel.bOpen && channel.nGeneration == nGeneration ? nIndex : -1;
}

FT_STATUS CSimulatedBox::DeviceCount(std::uint32_t* pCount)
{
    std::lock_guard lock(m_mutex);
    if (pCount)
        *pCount = m_options.bAbsent ? 0 : kChannels;
    return FT_OK;
}

FT_STATUS CSimulatedBox::DeviceInfo(std::uint32_t nIndex, std::uint32_t* pFlags, std::uint32_t* pType, std::uint32_t* pId,
                                    std::uint32_t* pLocId, void* pSerial, void* pDescription, FT_HANDLE* pHandle)
{
    std::lock_guard lock(m_mutex);
    if (m_options.bAbsent || nIndex >= kChannels)
        return FT_DEVICE_NOT_FOUND;
    const CHANNEL& channel = m_channels[nIndex];
    if (pFlags)
        *pFlags = kFlagHighSpeed | (channel.bOpen ? kFlagOpened : 0);
    if (pType)
        *pType = 0;
    if (pId)
        *pId = 0;
    if (pLocId)
        *pLocId = 0x11 + nIndex;
    CopyText(m_eeprom.SerialOf(static_cast<int>(nIndex)), pSerial, kSerialBytes);
    CopyText(m_eeprom.DescriptionOf(static_cast<int>(nIndex)), pDescription, kDescriptionBytes);
    if (pHandle)
        *pHandle = channel.bOpen ? MakeHandle(static_cast<int>(nIndex), channel.nGeneration) : nullptr;
    return FT_OK;
}

FT_STATUS CSimulatedBox::Open(int nIndex, FT_HANDLE* pHandle)
{
    std::lock_guard lock(m_mutex);
    return OpenLocked(nIndex, pHandle);
}

FT_STATUS CSimulatedBox::OpenEx(const void* pArg, std::uint32_t nFlags, FT_HANDLE* pHandle)
{
    std::lock_guard lock(m_mutex);
    if (!pArg || m_options.bAbsent)
        return FT_DEVICE_NOT_FOUND;
    const char* pszWanted = static_cast<const char*>(pArg);
    for (int i = 0; i < kChannels; ++i) {
        if ((nFlags == FT_OPEN_BY_SERIAL_NUMBER && m_eeprom.SerialOf(i) == pszWanted) ||
            (nFlags == FT_OPEN_BY_DESCRIPTION && m_eeprom.DescriptionOf(i) == pszWanted))
            return OpenLocked(i, pHandle);
    }
    return nFlags == FT_OPEN_BY_SERIAL_NUMBER || nFlags == FT_OPEN_BY_DESCRIPTION ? FT_DEVICE_NOT_FOUND
                                                                                  : FT_INVALID_PARAMETER;
}

FT_STATUS CSimulatedBox::OpenLocked(int nIndex, FT_HANDLE* pHandle)
{
    if (m_options.bAbsent || nIndex < 0 || nIndex >= kChannels)
        return FT_DEVICE_NOT_FOUND;
    CHANNEL& channel = m_channels[nIndex];
    // A channel has one owner at a time, as with the real driver.
    if (channel.bOpen)
        return FT_DEVICE_NOT_OPENED;
    channel = CHANNEL();
    channel.bOpen = true;
    channel.nGeneration = m_nNextGeneration++;
    if (nIndex == kDataChannel)
        m_firmware.Stream().SetRts(false, m_clock.Now());
    if (pHandle)
        *pHandle = MakeHandle(nIndex, channel.nGeneration);
    return FT_OK;
}

FT_STATUS CSimulatedBox::Close(FT_HANDLE h)
{
    {
        std::lock_guard lock(m_mutex);
        const int nIndex = ChannelOf(h);
        if (nIndex < 0)
            return FT_INVALID_HANDLE;
        m_channels[nIndex].bOpen = false;
        if (nIndex == kDataChannel) {
            CSimStream& stream = m_firmware.Stream();
            stream.SetRts(false, m_clock.Now());
            // A run that ended on an error sends no ESC; the box gives up once nobody
            // listens, so the next exchange finds it ready.
            if (stream.IsStreaming()) {
                stream.Abandon();
                ++m_nAbandoned;
            }
        }
    }
    m_cvChanged.notify_all();
    return FT_OK;
}

FT_STATUS CSimulatedBox::SetBaudRate(FT_HANDLE h, std::uint32_t nBaud)
{
    std::lock_guard lock(m_mutex);
    const int nIndex = ChannelOf(h);
    if (nIndex < 0)
        return FT_INVALID_HANDLE;
    if (nBaud == 0)
        return FT_INVALID_BAUD_RATE;
    m_channels[nIndex].nBaud = nBaud;
    return FT_OK;
}

FT_STATUS CSimulatedBox::SetTimeouts(FT_HANDLE h, std::uint32_t nReadMs, std::uint32_t nWriteMs)
{
    (void)nWriteMs;  // writes never block here
    std::lock_guard lock(m_mutex);
    const int nIndex = ChannelOf(h);
    if (nIndex < 0)
        return FT_INVALID_HANDLE;
    m_channels[nIndex].nReadTimeoutMs = nReadMs;
    return FT_OK;
}

FT_STATUS CSimulatedBox::Accept(FT_HANDLE h)
{
    std::lock_guard lock(m_mutex);
    return IsLive(h) ? FT_OK : FT_INVALID_HANDLE;
}

bool CSimulatedBox::WaitLocked(std::unique_lock<std::mutex>& lock, FT_HANDLE h, std::int64_t nUntil)
{
    if (m_clock.IsVirtual())
        m_clock.AdvanceTo(nUntil);
    else
        m_cvChanged.wait_until(lock, m_clock.ToSteady(nUntil));
    return IsLive(h);
}

FT_STATUS CSimulatedBox::Read(FT_HANDLE h, void* pBuffer, std::uint32_t nCount, std::uint32_t* pReturned)
{
    if (pReturned)
        *pReturned = 0;
    std::unique_lock lock(m_mutex);
    const int nIndex = ChannelOf(h);
    if (nIndex < 0)
        return FT_INVALID_HANDLE;
    if (nCount > 0 && !pBuffer)
        return FT_INVALID_PARAMETER;
    // A read timeout of 0 means "what is there now" rather than an endless wait.
    const std::int64_t nDeadline = m_clock.Now() + static_cast<std::int64_t>(m_channels[nIndex].nReadTimeoutMs) * 1000;
    if (nIndex == kCommandChannel) {
        m_firmware.RecordBreach(BREACHKIND::CommandChannelRead, -1);
        while (m_clock.Now() < nDeadline) {
            if (!WaitLocked(lock, h, nDeadline))
                return FT_INVALID_HANDLE;
        }
        return FT_OK;
    }

    CSimStream& stream = m_firmware.Stream();
    while (true) {
        const std::int64_t nNow = m_clock.Now();
        if (stream.Available(nNow) >= nCount || nNow >= nDeadline)
            break;
        const std::int64_t nReady = stream.TimeFor(nCount);
        const std::int64_t nUntil = nReady < 0 || nReady > nDeadline ? nDeadline : std::max(nReady, nNow);
        if (!WaitLocked(lock, h, nUntil))
            return FT_INVALID_HANDLE;
    }
    const auto nTaken = static_cast<std::uint32_t>(std::min<std::size_t>(nCount, stream.Available(m_clock.Now())));
    stream.Take(static_cast<std::uint8_t*>(pBuffer), nTaken);
    if (pReturned)
        *pReturned = nTaken;
    return FT_OK;
}

FT_STATUS CSimulatedBox::Write(FT_HANDLE h, const void* pBuffer, std::uint32_t nCount, std::uint32_t* pWritten)
{
    if (pWritten)
        *pWritten = 0;
    {
        std::lock_guard lock(m_mutex);
        const int nIndex = ChannelOf(h);
        if (nIndex < 0)
            return FT_INVALID_HANDLE;
        if (nCount > 0 && !pBuffer)
            return FT_INVALID_PARAMETER;
        const auto* pBytes = static_cast<const std::uint8_t*>(pBuffer);
        if (nIndex == kDataChannel) {
            for (std::uint32_t i = 0; i < nCount; ++i)
                m_firmware.RecordBreach(BREACHKIND::DataChannelWrite, pBytes[i]);
        } else {
            const std::int64_t nNow = m_clock.Now();
            for (std::uint32_t i = 0; i < nCount; ++i)
                m_firmware.OnCommandByte(pBytes[i], nNow);
        }
        if (pWritten)
            *pWritten = nCount;
    }
    m_cvChanged.notify_all();
    return FT_OK;
}

FT_STATUS CSimulatedBox::QueueStatus(FT_HANDLE h, std::uint32_t* pBytes)
{
    std::lock_guard lock(m_mutex);
    const int nIndex = ChannelOf(h);
    if (nIndex < 0)
        return FT_INVALID_HANDLE;
    if (pBytes) {
        const std::size_t n = nIndex == kDataChannel ? m_firmware.Stream().Available(m_clock.Now()) : 0;
        *pBytes = static_cast<std::uint32_t>(std::min<std::size_t>(n, UINT32_MAX));
    }
    return FT_OK;
}

FT_STATUS CSimulatedBox::Purge(FT_HANDLE h, std::uint32_t nMask)
{
    std::lock_guard lock(m_mutex);
    const int nIndex = ChannelOf(h);
    if (nIndex < 0)
        return FT_INVALID_HANDLE;
    // Writes reach the box at once, so only the receive side holds anything.
    if (nIndex == kDataChannel && (nMask & FT_PURGE_RX))
        m_firmware.Stream().Purge(m_clock.Now());
    return FT_OK;
}

FT_STATUS CSimulatedBox::SetRts(FT_HANDLE h, bool bOn)
{
    {
        std::lock_guard lock(m_mutex);
        const int nIndex = ChannelOf(h);
        if (nIndex < 0)
            return FT_INVALID_HANDLE;
        if (nIndex == kDataChannel)
            m_firmware.Stream().SetRts(bOn, m_clock.Now());
    }
    m_cvChanged.notify_all();
    return FT_OK;
}

FT_STATUS CSimulatedBox::EeRead(FT_HANDLE h, FT_PROGRAM_DATA* pData)
{
    std::lock_guard lock(m_mutex);
    return IsLive(h) ? m_eeprom.Read(pData) : FT_INVALID_HANDLE;
}

FT_STATUS CSimulatedBox::EeProgram(FT_HANDLE h, const FT_PROGRAM_DATA* pData)
{
    std::lock_guard lock(m_mutex);
    return IsLive(h) ? m_eeprom.Program(pData) : FT_INVALID_HANDLE;
}

FT_STATUS CSimulatedBox::UserAreaSize(FT_HANDLE h, std::uint32_t* pSize)
{
    std::lock_guard lock(m_mutex);
    if (!IsLive(h))
        return FT_INVALID_HANDLE;
    if (pSize)
        *pSize = CSimEeprom::kUserAreaBytes;
    return FT_OK;
}

FT_STATUS CSimulatedBox::UserAreaRead(FT_HANDLE h, std::uint8_t* pData, std::uint32_t nLength, std::uint32_t* pRead)
{
    std::lock_guard lock(m_mutex);
    return IsLive(h) ? m_eeprom.ReadUserArea(pData, nLength, pRead) : FT_INVALID_HANDLE;
}

FT_STATUS CSimulatedBox::UserAreaWrite(FT_HANDLE h, const std::uint8_t* pData, std::uint32_t nLength)
{
    std::lock_guard lock(m_mutex);
    return IsLive(h) ? m_eeprom.WriteUserArea(pData, nLength) : FT_INVALID_HANDLE;
}

}  // namespace sim
