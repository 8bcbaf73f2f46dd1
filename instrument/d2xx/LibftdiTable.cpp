// The driver calls on libftdi1: handles name channels kept in a registry, so a stale or
// foreign handle is refused instead of followed.
#include "instrument/d2xx/LibftdiTable.h"

#include "instrument/d2xx/D2xxBackends.h"

#if VADEL_HAVE_LIBFTDI
#include "instrument/d2xx/LibftdiChannel.h"

#include <ftdi.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace d2xx {
namespace {

using ChannelPtr = std::shared_ptr<CLibftdiChannel>;

std::mutex g_channelsMutex;
std::map<std::uintptr_t, ChannelPtr> g_channels;
std::uintptr_t g_nNextHandle = 1;  // never reused, so a closed handle stays invalid

FT_HANDLE Register(std::unique_ptr<CLibftdiChannel> pChannel)
{
    std::lock_guard lock(g_channelsMutex);
    const std::uintptr_t nHandle = g_nNextHandle++;
    g_channels.emplace(nHandle, ChannelPtr(std::move(pChannel)));
    return reinterpret_cast<FT_HANDLE>(nHandle);
}

ChannelPtr Find(FT_HANDLE h)
{
    std::lock_guard lock(g_channelsMutex);
    auto it = g_channels.find(reinterpret_cast<std::uintptr_t>(h));
    return it == g_channels.end() ? nullptr : it->second;
}

FT_HANDLE HandleOfIndex(std::uint32_t nIndex)
{
    std::lock_guard lock(g_channelsMutex);
    for (const auto& [nHandle, pChannel] : g_channels) {
        if (pChannel->Index() == static_cast<int>(nIndex))
            return reinterpret_cast<FT_HANDLE>(nHandle);
    }
    return nullptr;
}

void CopyText(const std::string& str, void* pBuffer, std::size_t nSize)
{
    if (!pBuffer)
        return;
    const std::size_t n = std::min(str.size(), nSize - 1);
    std::memcpy(pBuffer, str.data(), n);
    static_cast<char*>(pBuffer)[n] = 0;
}

FT_STATUS CreateDeviceInfoList(std::uint32_t* pNumDevs)
{
    if (!pNumDevs)
        return FT_INVALID_PARAMETER;
    *pNumDevs = LibftdiCountChannels();
    return FT_OK;
}

FT_STATUS GetDeviceInfoDetail(std::uint32_t nIndex, std::uint32_t* pFlags, std::uint32_t* pType,
                              std::uint32_t* pId, std::uint32_t* pLocId, void* pSerialNumber, void* pDescription,
                              FT_HANDLE* pHandle)
{
    CHANNEL_INFO info;
    const FT_STATUS ftStatus = LibftdiChannelInfo(nIndex, info);
    if (ftStatus != FT_OK)
        return ftStatus;
    const FT_HANDLE hOpen = HandleOfIndex(nIndex);
    if (pFlags)
        *pFlags = info.nFlags | (hOpen ? 1u : 0u);
    if (pType)
        *pType = info.nType;
    if (pId)
        *pId = info.nId;
    if (pLocId)
        *pLocId = info.nLocId;
    if (pHandle)
        *pHandle = hOpen;
    CopyText(info.strSerial, pSerialNumber, 16);
    CopyText(info.strDescription, pDescription, 64);
    return FT_OK;
}

FT_STATUS Open(int nIndex, FT_HANDLE* pHandle)
{
    if (!pHandle)
        return FT_INVALID_PARAMETER;
    std::unique_ptr<CLibftdiChannel> pChannel;
    const FT_STATUS ftStatus = CLibftdiChannel::Open(nIndex, pChannel);
    if (ftStatus != FT_OK)
        return ftStatus;
    *pHandle = Register(std::move(pChannel));
    return FT_OK;
}

FT_STATUS OpenEx(void* pArg, std::uint32_t nFlags, FT_HANDLE* pHandle)
{
    if (!pHandle || !pArg)
        return FT_INVALID_PARAMETER;
    if (nFlags != FT_OPEN_BY_SERIAL_NUMBER && nFlags != FT_OPEN_BY_DESCRIPTION)
        return FT_NOT_SUPPORTED;
    std::unique_ptr<CLibftdiChannel> pChannel;
    const FT_STATUS ftStatus = CLibftdiChannel::OpenByText(static_cast<const char*>(pArg),
                                                           nFlags == FT_OPEN_BY_SERIAL_NUMBER, pChannel);
    if (ftStatus != FT_OK)
        return ftStatus;
    *pHandle = Register(std::move(pChannel));
    return FT_OK;
}

FT_STATUS Close(FT_HANDLE h)
{
    ChannelPtr pChannel;
    {
        std::lock_guard lock(g_channelsMutex);
        auto it = g_channels.find(reinterpret_cast<std::uintptr_t>(h));
        if (it == g_channels.end())
            return FT_INVALID_HANDLE;
        pChannel = std::move(it->second);
        g_channels.erase(it);
    }
    // The channel closes here, outside the registry lock, or when a call in flight lets go of it.
    return FT_OK;
}

// Looks the handle up and forwards to the channel; the reference keeps it alive for the call.
template <auto Method, class... A>
FT_STATUS Forward(FT_HANDLE h, A... args)
{
    ChannelPtr pChannel = Find(h);
    if (!pChannel)
        return FT_INVALID_HANDLE;
    return ((*pChannel).*Method)(args...);
}

FT_STATUS SetRts(FT_HANDLE h)
{
    return Forward<&CLibftdiChannel::SetRts>(h, true);
}
FT_STATUS ClrRts(FT_HANDLE h)
{
    return Forward<&CLibftdiChannel::SetRts>(h, false);
}
FT_STATUS EeProgram(FT_HANDLE h, FT_PROGRAM_DATA* pData)
{
    return Forward<&CLibftdiChannel::EepromProgram>(h, static_cast<const FT_PROGRAM_DATA*>(pData));
}
FT_STATUS Write(FT_HANDLE h, void* pBuffer, std::uint32_t nCount, std::uint32_t* pWritten)
{
    return Forward<&CLibftdiChannel::Write>(h, static_cast<const void*>(pBuffer), nCount, pWritten);
}

// libftdi1 1.5 places user data only where the caller says and rebuilds the whole image
// around it; the driver's notion of a free area behind the strings is not carried.
FT_STATUS UserAreaSize(FT_HANDLE h, std::uint32_t*)
{
    return Find(h) ? FT_NOT_SUPPORTED : FT_INVALID_HANDLE;
}
FT_STATUS UserAreaRead(FT_HANDLE h, std::uint8_t*, std::uint32_t, std::uint32_t* pRead)
{
    if (pRead)
        *pRead = 0;
    return Find(h) ? FT_NOT_SUPPORTED : FT_INVALID_HANDLE;
}
FT_STATUS UserAreaWrite(FT_HANDLE h, std::uint8_t*, std::uint32_t)
{
    return Find(h) ? FT_NOT_SUPPORTED : FT_INVALID_HANDLE;
}

D2XX_API MakeTable()
{
    D2XX_API t;
    t.name = "libftdi1";
    t.pfnCreateDeviceInfoList = &CreateDeviceInfoList;
    t.pfnGetDeviceInfoDetail = &GetDeviceInfoDetail;
    t.pfnOpen = &Open;
    t.pfnOpenEx = &OpenEx;
    t.pfnClose = &Close;
    t.pfnSetUSBParameters = &Forward<&CLibftdiChannel::SetUsbParameters, std::uint32_t, std::uint32_t>;
    t.pfnSetLatencyTimer = &Forward<&CLibftdiChannel::SetLatencyTimer, std::uint8_t>;
    t.pfnSetDataCharacteristics =
        &Forward<&CLibftdiChannel::SetDataCharacteristics, std::uint8_t, std::uint8_t, std::uint8_t>;
    t.pfnSetTimeouts = &Forward<&CLibftdiChannel::SetTimeouts, std::uint32_t, std::uint32_t>;
    t.pfnSetFlowControl = &Forward<&CLibftdiChannel::SetFlowControl, std::uint16_t, std::uint8_t, std::uint8_t>;
    t.pfnSetBaudRate = &Forward<&CLibftdiChannel::SetBaudRate, std::uint32_t>;
    t.pfnPurge = &Forward<&CLibftdiChannel::Purge, std::uint32_t>;
    t.pfnRead = &Forward<&CLibftdiChannel::Read, void*, std::uint32_t, std::uint32_t*>;
    t.pfnWrite = &Write;
    t.pfnGetQueueStatus = &Forward<&CLibftdiChannel::QueueStatus, std::uint32_t*>;
    t.pfnSetRts = &SetRts;
    t.pfnClrRts = &ClrRts;
    t.pfnEE_Read = &Forward<&CLibftdiChannel::EepromRead, FT_PROGRAM_DATA*>;
    t.pfnEE_Program = &EeProgram;
    t.pfnEE_UASize = &UserAreaSize;
    t.pfnEE_UARead = &UserAreaRead;
    t.pfnEE_UAWrite = &UserAreaWrite;
    t.pfnResetPort = &Forward<&CLibftdiChannel::ResetPort>;
    return t;
}

}  // namespace

const D2XX_API& LibftdiCallTable()
{
    static const D2XX_API table = MakeTable();
    return table;
}

const D2XX_API* LibftdiTable(std::string& error)
{
    // Without a USB stack (no /dev/bus/usb, say) libusb cannot start: say so rather than
    // offer a back end that can never find the box.
    ftdi_context* pProbe = ftdi_new();
    if (!pProbe) {
        error = "libftdi1 cannot reach USB: libusb could not be started.";
        return nullptr;
    }
    ftdi_free(pProbe);
    return &LibftdiCallTable();
}

}  // namespace d2xx

#else

namespace d2xx {

const D2XX_API& LibftdiCallTable()
{
    static const D2XX_API table = [] {
        D2XX_API t;
        t.name = "libftdi1 (not built)";
        return t;
    }();
    return table;
}

const D2XX_API* LibftdiTable(std::string& error)
{
    error = "This build has no libftdi1 support.";
    return nullptr;
}

}  // namespace d2xx

#endif
