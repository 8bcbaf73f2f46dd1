// The simulated box as a back end of the driver call table.
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/sim/SimulatedBox.h"

#include <cstdint>

namespace d2xx {
namespace {

using sim::Box;

FT_STATUS SimCreateDeviceInfoList(std::uint32_t* pNumDevs) { return Box().DeviceCount(pNumDevs); }

FT_STATUS SimGetDeviceInfoDetail(std::uint32_t index, std::uint32_t* pFlags, std::uint32_t* pType, std::uint32_t* pId,
                                 std::uint32_t* pLocId, void* pSerialNumber, void* pDescription, FT_HANDLE* pHandle)
{
    return Box().DeviceInfo(index, pFlags, pType, pId, pLocId, pSerialNumber, pDescription, pHandle);
}

FT_STATUS SimOpen(int index, FT_HANDLE* pHandle) { return Box().Open(index, pHandle); }
FT_STATUS SimOpenEx(void* pArg, std::uint32_t flags, FT_HANDLE* pHandle) { return Box().OpenEx(pArg, flags, pHandle); }
FT_STATUS SimClose(FT_HANDLE h) { return Box().Close(h); }
FT_STATUS SimSetUSBParameters(FT_HANDLE h, std::uint32_t, std::uint32_t) { return Box().Accept(h); }
FT_STATUS SimSetLatencyTimer(FT_HANDLE h, std::uint8_t) { return Box().Accept(h); }
FT_STATUS SimSetDataCharacteristics(FT_HANDLE h, std::uint8_t, std::uint8_t, std::uint8_t) { return Box().Accept(h); }
FT_STATUS SimSetTimeouts(FT_HANDLE h, std::uint32_t readMs, std::uint32_t writeMs) { return Box().SetTimeouts(h, readMs, writeMs); }
FT_STATUS SimSetFlowControl(FT_HANDLE h, std::uint16_t, std::uint8_t, std::uint8_t) { return Box().Accept(h); }
FT_STATUS SimSetBaudRate(FT_HANDLE h, std::uint32_t baud) { return Box().SetBaudRate(h, baud); }
FT_STATUS SimPurge(FT_HANDLE h, std::uint32_t mask) { return Box().Purge(h, mask); }

FT_STATUS SimRead(FT_HANDLE h, void* buffer, std::uint32_t count, std::uint32_t* pReturned)
{
    return Box().Read(h, buffer, count, pReturned);
}

FT_STATUS SimWrite(FT_HANDLE h, void* buffer, std::uint32_t count, std::uint32_t* pWritten)
{
    return Box().Write(h, buffer, count, pWritten);
}

FT_STATUS SimGetQueueStatus(FT_HANDLE h, std::uint32_t* pRxBytes) { return Box().QueueStatus(h, pRxBytes); }
FT_STATUS SimSetRts(FT_HANDLE h) { return Box().SetRts(h, true); }
FT_STATUS SimClrRts(FT_HANDLE h) { return Box().SetRts(h, false); }
FT_STATUS SimEE_Read(FT_HANDLE h, FT_PROGRAM_DATA* pData) { return Box().EeRead(h, pData); }
FT_STATUS SimEE_Program(FT_HANDLE h, FT_PROGRAM_DATA* pData) { return Box().EeProgram(h, pData); }
FT_STATUS SimEE_UASize(FT_HANDLE h, std::uint32_t* pSize) { return Box().UserAreaSize(h, pSize); }

FT_STATUS SimEE_UARead(FT_HANDLE h, std::uint8_t* pData, std::uint32_t len, std::uint32_t* pRead)
{
    return Box().UserAreaRead(h, pData, len, pRead);
}

FT_STATUS SimEE_UAWrite(FT_HANDLE h, std::uint8_t* pData, std::uint32_t len) { return Box().UserAreaWrite(h, pData, len); }

// The texts are in effect as soon as they are programmed.
FT_STATUS SimResetPort(FT_HANDLE h) { return Box().Accept(h); }

D2XX_API MakeTable()
{
    D2XX_API api;
    api.name = "simulated";
    api.pfnCreateDeviceInfoList = SimCreateDeviceInfoList;
    api.pfnGetDeviceInfoDetail = SimGetDeviceInfoDetail;
    api.pfnOpen = SimOpen;
    api.pfnOpenEx = SimOpenEx;
    api.pfnClose = SimClose;
    api.pfnSetUSBParameters = SimSetUSBParameters;
    api.pfnSetLatencyTimer = SimSetLatencyTimer;
    api.pfnSetDataCharacteristics = SimSetDataCharacteristics;
    api.pfnSetTimeouts = SimSetTimeouts;
    api.pfnSetFlowControl = SimSetFlowControl;
    api.pfnSetBaudRate = SimSetBaudRate;
    api.pfnPurge = SimPurge;
    api.pfnRead = SimRead;
    api.pfnWrite = SimWrite;
    api.pfnGetQueueStatus = SimGetQueueStatus;
    api.pfnSetRts = SimSetRts;
    api.pfnClrRts = SimClrRts;
    api.pfnEE_Read = SimEE_Read;
    api.pfnEE_Program = SimEE_Program;
    api.pfnEE_UASize = SimEE_UASize;
    api.pfnEE_UARead = SimEE_UARead;
    api.pfnEE_UAWrite = SimEE_UAWrite;
    api.pfnResetPort = SimResetPort;
    return api;
}

}  // namespace

const D2XX_API* SimulatedBoxTable(const std::string& options, std::string& error)
{
    static const D2XX_API table = MakeTable();
    if (!sim::Box().Reset(options, false, error))
        return nullptr;
    return &table;
}

}  // namespace d2xx
