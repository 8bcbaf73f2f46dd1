#include "tests/instrument/fakes/ScriptedD2xx.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <stdexcept>

using namespace d2xx;

namespace {

CScriptedD2xx* g_pLive = nullptr;

CScriptedD2xx& Live()
{
    if (!g_pLive)
        throw std::logic_error("no scripted driver table is live");
    return *g_pLive;
}

std::string Arg(FT_HANDLE h)
{
    const auto nHandle = reinterpret_cast<std::uintptr_t>(h);
    if (nHandle == CScriptedD2xx::kHandle)
        return "h";
    if (nHandle == CScriptedD2xx::kCommandHandle)
        return "cmd";
    return std::to_string(nHandle);
}
std::string Arg(const char* psz)
{
    return psz ? std::string("\"") + psz + "\"" : std::string("<null>");
}
template <class T>
std::string Arg(T value)
{
    return std::to_string(static_cast<long long>(value));
}

template <class... A>
FT_STATUS Log(const char* pszName, A... args)
{
    const std::vector<std::string> texts{Arg(args)...};
    std::ostringstream call;
    call << pszName << '(';
    for (std::size_t i = 0; i < texts.size(); ++i)
        call << (i ? "," : "") << texts[i];
    call << ')';
    Live().Record(call.str());
    return Live().Result(pszName);
}

void Fill(char* pDest, const std::string& str, std::size_t nSize)
{
    if (!pDest)
        return;
    // Like a driver: fills to the last byte when the text is that long, without a terminator.
    std::memset(pDest, 0, nSize);
    std::memcpy(pDest, str.data(), std::min(str.size(), nSize));
}

FT_STATUS CreateDeviceInfoList(std::uint32_t* pNum)
{
    *pNum = Live().m_nDevices;
    return Log("CreateDeviceInfoList");
}
FT_STATUS GetDeviceInfoDetail(std::uint32_t index, std::uint32_t*, std::uint32_t*, std::uint32_t*, std::uint32_t*,
                              void*, void*, FT_HANDLE*)
{
    return Log("GetDeviceInfoDetail", index);
}
FT_STATUS Open(int index, FT_HANDLE* pHandle)
{
    const FT_STATUS ftStatus = Log("Open", index);
    if (ftStatus == FT_OK)
        *pHandle = reinterpret_cast<FT_HANDLE>(index == 0 ? CScriptedD2xx::kCommandHandle : CScriptedD2xx::kHandle);
    return ftStatus;
}
FT_STATUS OpenEx(void* pArg, std::uint32_t flags, FT_HANDLE* pHandle)
{
    const FT_STATUS ftStatus = Log("OpenEx", static_cast<const char*>(pArg), flags);
    if (ftStatus == FT_OK)
        *pHandle = reinterpret_cast<FT_HANDLE>(CScriptedD2xx::kHandle);
    return ftStatus;
}
FT_STATUS Close(FT_HANDLE h)
{
    return Log("Close", h);
}
FT_STATUS SetUSBParameters(FT_HANDLE h, std::uint32_t in, std::uint32_t out)
{
    return Log("SetUSBParameters", h, in, out);
}
FT_STATUS SetLatencyTimer(FT_HANDLE h, std::uint8_t ms)
{
    return Log("SetLatencyTimer", h, ms);
}
FT_STATUS SetDataCharacteristics(FT_HANDLE h, std::uint8_t bits, std::uint8_t stop, std::uint8_t parity)
{
    return Log("SetDataCharacteristics", h, bits, stop, parity);
}
FT_STATUS SetTimeouts(FT_HANDLE h, std::uint32_t r, std::uint32_t w)
{
    return Log("SetTimeouts", h, r, w);
}
FT_STATUS SetFlowControl(FT_HANDLE h, std::uint16_t flow, std::uint8_t xon, std::uint8_t xoff)
{
    return Log("SetFlowControl", h, flow, xon, xoff);
}
FT_STATUS SetBaudRate(FT_HANDLE h, std::uint32_t baud)
{
    return Log("SetBaudRate", h, baud);
}
FT_STATUS Purge(FT_HANDLE h, std::uint32_t mask)
{
    return Log("Purge", h, mask);
}
FT_STATUS Read(FT_HANDLE h, void* pBuffer, std::uint32_t count, std::uint32_t* pReturned)
{
    CScriptedD2xx& fake = Live();
    const std::uint32_t n = std::min<std::uint32_t>(count, static_cast<std::uint32_t>(fake.m_strRx.size()));
    std::memcpy(pBuffer, fake.m_strRx.data(), n);
    fake.m_strRx.erase(0, n);
    *pReturned = n;
    return Log("Read", h, count);
}
FT_STATUS Write(FT_HANDLE h, void* pBuffer, std::uint32_t count, std::uint32_t* pWritten)
{
    CScriptedD2xx& fake = Live();
    const std::uint32_t n = std::min(count, fake.m_nWriteAccept);
    fake.m_strTx.append(static_cast<const char*>(pBuffer), n);
    *pWritten = n;
    return Log("Write", h, count);
}
FT_STATUS GetQueueStatus(FT_HANDLE h, std::uint32_t* pRx)
{
    *pRx = Live().m_nQueued;
    return Log("GetQueueStatus", h);
}
FT_STATUS SetRts(FT_HANDLE h)
{
    return Log("SetRts", h);
}
FT_STATUS ClrRts(FT_HANDLE h)
{
    return Log("ClrRts", h);
}
FT_STATUS EeRead(FT_HANDLE h, FT_PROGRAM_DATA* p)
{
    const FT_STATUS ftStatus = Log("EE_Read", h, p->Signature1, p->Signature2, p->Version);
    if (ftStatus == FT_OK) {
        CScriptedD2xx& fake = Live();
        Fill(p->Manufacturer, fake.m_strManufacturer, 32);
        Fill(p->ManufacturerId, fake.m_strManufacturerId, 16);
        Fill(p->Description, fake.m_strDescription, 64);
        Fill(p->SerialNumber, fake.m_strSerial, 16);
    }
    return ftStatus;
}
FT_STATUS EeProgram(FT_HANDLE h, FT_PROGRAM_DATA* p)
{
    CScriptedD2xx& fake = Live();
    fake.m_programmed = {Arg(static_cast<const char*>(p->Manufacturer)), Arg(static_cast<const char*>(p->ManufacturerId)),
                         Arg(static_cast<const char*>(p->Description)), Arg(static_cast<const char*>(p->SerialNumber))};
    return Log("EE_Program", h);
}
FT_STATUS EeUASize(FT_HANDLE h, std::uint32_t* pSize)
{
    *pSize = static_cast<std::uint32_t>(Live().m_userArea.size());
    return Log("EE_UASize", h);
}
FT_STATUS EeUARead(FT_HANDLE h, std::uint8_t* p, std::uint32_t len, std::uint32_t* pRead)
{
    CScriptedD2xx& fake = Live();
    const std::uint32_t n = std::min<std::uint32_t>(len, static_cast<std::uint32_t>(fake.m_userArea.size()));
    std::memcpy(p, fake.m_userArea.data(), n);
    *pRead = n;
    return Log("EE_UARead", h, len);
}
FT_STATUS EeUAWrite(FT_HANDLE h, std::uint8_t* p, std::uint32_t len)
{
    CScriptedD2xx& fake = Live();
    fake.m_userArea.assign(p, p + len);
    return Log("EE_UAWrite", h, len);
}
FT_STATUS ResetPort(FT_HANDLE h)
{
    return Log("ResetPort", h);
}

}  // namespace

CScriptedD2xx::CScriptedD2xx()
{
    if (g_pLive)
        throw std::logic_error("only one scripted driver table at a time");
    g_pLive = this;
    m_api.name = "scripted";
    m_api.pfnCreateDeviceInfoList = &CreateDeviceInfoList;
    m_api.pfnGetDeviceInfoDetail = &GetDeviceInfoDetail;
    m_api.pfnOpen = &Open;
    m_api.pfnOpenEx = &OpenEx;
    m_api.pfnClose = &Close;
    m_api.pfnSetUSBParameters = &SetUSBParameters;
    m_api.pfnSetLatencyTimer = &SetLatencyTimer;
    m_api.pfnSetDataCharacteristics = &SetDataCharacteristics;
    m_api.pfnSetTimeouts = &SetTimeouts;
    m_api.pfnSetFlowControl = &SetFlowControl;
    m_api.pfnSetBaudRate = &SetBaudRate;
    m_api.pfnPurge = &Purge;
    m_api.pfnRead = &Read;
    m_api.pfnWrite = &Write;
    m_api.pfnGetQueueStatus = &GetQueueStatus;
    m_api.pfnSetRts = &SetRts;
    m_api.pfnClrRts = &ClrRts;
    m_api.pfnEE_Read = &EeRead;
    m_api.pfnEE_Program = &EeProgram;
    m_api.pfnEE_UASize = &EeUASize;
    m_api.pfnEE_UARead = &EeUARead;
    m_api.pfnEE_UAWrite = &EeUAWrite;
    m_api.pfnResetPort = &ResetPort;
}

CScriptedD2xx::~CScriptedD2xx()
{
    g_pLive = nullptr;
}

FT_STATUS CScriptedD2xx::Result(const std::string& strName) const
{
    auto it = m_results.find(strName);
    return it == m_results.end() ? FT_OK : it->second;
}

std::vector<std::string> CScriptedD2xx::CallsNamed(const std::string& strName) const
{
    std::vector<std::string> calls;
    for (const std::string& strCall : m_calls) {
        if (strCall.compare(0, strName.size() + 1, strName + "(") == 0)
            calls.push_back(strCall);
    }
    return calls;
}
