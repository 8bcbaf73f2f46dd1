#pragma once
// The USB chip's driver calls that the port object makes, as one table of function
// pointers. Each back end (vendor library, libftdi1, simulated box) fills one table;
// CSerialPort reaches the chip only through the active table.
#include <cstdint>

namespace d2xx {

using FT_STATUS = std::uint32_t;
using FT_HANDLE = void*;

// Status codes.
enum : FT_STATUS {
    FT_OK = 0,
    FT_INVALID_HANDLE = 1,
    FT_DEVICE_NOT_FOUND = 2,
    FT_DEVICE_NOT_OPENED = 3,
    FT_IO_ERROR = 4,
    FT_INSUFFICIENT_RESOURCES = 5,
    FT_INVALID_PARAMETER = 6,
    FT_INVALID_BAUD_RATE = 7,
    FT_EEPROM_READ_FAILED = 11,
    FT_EEPROM_WRITE_FAILED = 12,
    FT_NOT_SUPPORTED = 17,
    FT_OTHER_ERROR = 18,
};

// Line and open constants.
inline constexpr std::uint8_t FT_BITS_8 = 8;
inline constexpr std::uint8_t FT_STOP_BITS_1 = 0;
inline constexpr std::uint8_t FT_PARITY_NONE = 0;
inline constexpr std::uint16_t FT_FLOW_NONE = 0x0000;
inline constexpr std::uint16_t FT_FLOW_RTS_CTS = 0x0100;
inline constexpr std::uint32_t FT_PURGE_RX = 1;
inline constexpr std::uint32_t FT_PURGE_TX = 2;
inline constexpr std::uint32_t FT_OPEN_BY_SERIAL_NUMBER = 1;
inline constexpr std::uint32_t FT_OPEN_BY_DESCRIPTION = 2;

// EEPROM image. Only the leading fields are used; the reserved tail leaves room for
// a driver that fills a longer record than we name here.
struct FT_PROGRAM_DATA {
    std::uint32_t Signature1 = 0;
    std::uint32_t Signature2 = 0xFFFFFFFF;
    std::uint32_t Version = 2;
    std::uint16_t VendorId = 0;
    std::uint16_t ProductId = 0;
    char* Manufacturer = nullptr;
    char* ManufacturerId = nullptr;
    char* Description = nullptr;
    char* SerialNumber = nullptr;
    std::uint8_t reserved[1024] = {};
};

struct D2XX_API {
    const char* name = "";  // "vendor", "libftdi1", "simulated", ...

    FT_STATUS (*pfnCreateDeviceInfoList)(std::uint32_t* pNumDevs) = nullptr;
    FT_STATUS (*pfnGetDeviceInfoDetail)(std::uint32_t index, std::uint32_t* pFlags, std::uint32_t* pType,
                                        std::uint32_t* pId, std::uint32_t* pLocId, void* pSerialNumber,
                                        void* pDescription, FT_HANDLE* pHandle) = nullptr;
    FT_STATUS (*pfnOpen)(int index, FT_HANDLE* pHandle) = nullptr;
    FT_STATUS (*pfnOpenEx)(void* pArg, std::uint32_t flags, FT_HANDLE* pHandle) = nullptr;
    FT_STATUS (*pfnClose)(FT_HANDLE h) = nullptr;
    FT_STATUS (*pfnSetUSBParameters)(FT_HANDLE h, std::uint32_t inSize, std::uint32_t outSize) = nullptr;
    FT_STATUS (*pfnSetLatencyTimer)(FT_HANDLE h, std::uint8_t ms) = nullptr;
    FT_STATUS (*pfnSetDataCharacteristics)(FT_HANDLE h, std::uint8_t wordLength, std::uint8_t stopBits,
                                           std::uint8_t parity) = nullptr;
    FT_STATUS (*pfnSetTimeouts)(FT_HANDLE h, std::uint32_t readMs, std::uint32_t writeMs) = nullptr;
    FT_STATUS (*pfnSetFlowControl)(FT_HANDLE h, std::uint16_t flow, std::uint8_t xon, std::uint8_t xoff) = nullptr;
    FT_STATUS (*pfnSetBaudRate)(FT_HANDLE h, std::uint32_t baud) = nullptr;
    FT_STATUS (*pfnPurge)(FT_HANDLE h, std::uint32_t mask) = nullptr;
    FT_STATUS (*pfnRead)(FT_HANDLE h, void* buffer, std::uint32_t count, std::uint32_t* pReturned) = nullptr;
    FT_STATUS (*pfnWrite)(FT_HANDLE h, void* buffer, std::uint32_t count, std::uint32_t* pWritten) = nullptr;
    FT_STATUS (*pfnGetQueueStatus)(FT_HANDLE h, std::uint32_t* pRxBytes) = nullptr;
    FT_STATUS (*pfnSetRts)(FT_HANDLE h) = nullptr;
    FT_STATUS (*pfnClrRts)(FT_HANDLE h) = nullptr;
    FT_STATUS (*pfnEE_Read)(FT_HANDLE h, FT_PROGRAM_DATA* pData) = nullptr;
    FT_STATUS (*pfnEE_Program)(FT_HANDLE h, FT_PROGRAM_DATA* pData) = nullptr;
    FT_STATUS (*pfnEE_UASize)(FT_HANDLE h, std::uint32_t* pSize) = nullptr;
    FT_STATUS (*pfnEE_UARead)(FT_HANDLE h, std::uint8_t* pData, std::uint32_t len, std::uint32_t* pRead) = nullptr;
    FT_STATUS (*pfnEE_UAWrite)(FT_HANDLE h, std::uint8_t* pData, std::uint32_t len) = nullptr;
    // Makes the chip reload its freshly programmed EEPROM.
    FT_STATUS (*pfnResetPort)(FT_HANDLE h) = nullptr;
};

}  // namespace d2xx
