#include "instrument/CSerialPort.h"

#include "instrument/d2xx/D2xxBackends.h"
#include "platform/Sleep.h"

#include <cstring>

using namespace d2xx;

namespace {

constexpr DWORD kTransferSize = 0x4000;
constexpr BYTE kLatencyMs = 1;
constexpr DWORD kTimeoutMs = 2000;
constexpr int kSettleMs = 300;

constexpr int kErrWrite = 1;
constexpr int kErrRead = 2;
constexpr int kErrNotOpen = 3;
constexpr int kErrQueue = 4;

// A table filled in part (a fake, a trimmed back end) must not crash the port.
template <class... P, class... A>
FT_STATUS Call(FT_STATUS (*pfn)(P...), A... args)
{
    return pfn ? pfn(args...) : FT_NOT_SUPPORTED;
}

}  // namespace

CSerialPort::CSerialPort() : CSerialPort(D2xxActive()) {}

CSerialPort::CSerialPort(const D2XX_API& api)
    : m_pApi(&api), m_ftStatus(FT_OK), m_ftHandle(nullptr), m_bOpen(FALSE), m_bExceptions(FALSE)
{
}

CSerialPort::~CSerialPort()
{
    Close();
}

int CSerialPort::OpenByIndex(int nIndex, int nBaudRate, int /*nUnused*/)
{
    // Re-opening would otherwise leak the previous handle and keep its channel busy.
    Close();
    DWORD dwCount = 0;
    Call(m_pApi->pfnCreateDeviceInfoList, &dwCount);

    DWORD dwFlags = 0, dwType = 0, dwId = 0, dwLocId = 0;
    char szSerial[16] = {};
    char szDescription[64] = {};
    FT_HANDLE hTemp = nullptr;
    if (Call(m_pApi->pfnGetDeviceInfoDetail, static_cast<DWORD>(nIndex), &dwFlags, &dwType, &dwId, &dwLocId,
             static_cast<void*>(szSerial), static_cast<void*>(szDescription), &hTemp) != FT_OK)
        return 1;

    FT_HANDLE hOpened = nullptr;
    if (Call(m_pApi->pfnOpen, nIndex, &hOpened) != FT_OK)
        return 2;
    m_ftHandle = hOpened;
    return Configure(nBaudRate);
}

int CSerialPort::OpenBySerialNumber(const char* pszSerial, int nBaudRate, int /*nUnused*/)
{
    Close();
    if (!pszSerial)
        return 1;
    FT_HANDLE hOpened = nullptr;
    if (Call(m_pApi->pfnOpenEx, const_cast<void*>(static_cast<const void*>(pszSerial)), FT_OPEN_BY_SERIAL_NUMBER,
             &hOpened) != FT_OK)
        return 1;
    m_ftHandle = hOpened;
    return Configure(nBaudRate);
}

int CSerialPort::OpenByDescription(const char* pszDescription, int nBaudRate, int /*nUnused*/)
{
    Close();
    if (!pszDescription)
        return 1;
    FT_HANDLE hOpened = nullptr;
    if (Call(m_pApi->pfnOpenEx, const_cast<void*>(static_cast<const void*>(pszDescription)), FT_OPEN_BY_DESCRIPTION,
             &hOpened) != FT_OK)
        return 1;
    m_ftHandle = hOpened;
    return Configure(nBaudRate);
}

// The box is driven byte by byte: small latency, fixed transfer sizes, then let the line settle.
int CSerialPort::Configure(int nBaudRate)
{
    Call(m_pApi->pfnSetUSBParameters, m_ftHandle, kTransferSize, kTransferSize);
    Call(m_pApi->pfnSetLatencyTimer, m_ftHandle, kLatencyMs);
    Call(m_pApi->pfnSetDataCharacteristics, m_ftHandle, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE);
    Call(m_pApi->pfnSetTimeouts, m_ftHandle, kTimeoutMs, kTimeoutMs);
    Call(m_pApi->pfnSetFlowControl, m_ftHandle, FT_FLOW_NONE, static_cast<BYTE>(0), static_cast<BYTE>(0));
    Call(m_pApi->pfnSetBaudRate, m_ftHandle, static_cast<DWORD>(nBaudRate));
    platform::Sleep(kSettleMs);
    Call(m_pApi->pfnPurge, m_ftHandle, FT_PURGE_RX | FT_PURGE_TX);
    m_bOpen = TRUE;
    return 0;
}

void CSerialPort::Close()
{
    if (!m_bOpen)
        return;
    Call(m_pApi->pfnClose, m_ftHandle);
    m_bOpen = FALSE;
    m_ftHandle = nullptr;
}

void CSerialPort::SetTimeouts(int nReadMs, int nWriteMs)
{
    Call(m_pApi->pfnSetTimeouts, m_ftHandle, static_cast<DWORD>(nReadMs), static_cast<DWORD>(nWriteMs));
}

void CSerialPort::SetFlowControlRtsCts()
{
    Call(m_pApi->pfnSetFlowControl, m_ftHandle, FT_FLOW_RTS_CTS, static_cast<BYTE>(0), static_cast<BYTE>(0));
}

void CSerialPort::SetFlowControlNone()
{
    Call(m_pApi->pfnSetFlowControl, m_ftHandle, FT_FLOW_NONE, static_cast<BYTE>(0), static_cast<BYTE>(0));
}

// Every read of the port goes through here, so a short read is judged in one place.
static bool ReadExactly(const D2XX_API& api, FT_HANDLE h, void* pBuffer, DWORD dwCount, FT_STATUS& ftStatus)
{
    DWORD dwRead = 0;
    ftStatus = Call(api.pfnRead, h, pBuffer, dwCount, &dwRead);
    return ftStatus == FT_OK && dwRead == dwCount;
}

void CSerialPort::WriteByte(char byte, char* pAnswer)
{
    if (!m_bOpen) {
        if (m_bExceptions)
            throw kErrNotOpen;
        return;
    }
    DWORD dwWritten = 0;
    Call(m_pApi->pfnWrite, m_ftHandle, static_cast<void*>(&byte), DWORD{1}, &dwWritten);
    if (m_bExceptions && dwWritten != 1)
        throw kErrWrite;
    if (!pAnswer)
        return;
    FT_STATUS ftStatus = FT_OK;
    if (!ReadExactly(*m_pApi, m_ftHandle, pAnswer, 1, ftStatus) && m_bExceptions)
        throw kErrRead;
}

void CSerialPort::WriteBlock(const char* pData, int nLength, char* pAnswers)
{
    if (pAnswers) {
        WriteBytewise(pData, nLength, pAnswers);
        return;
    }
    if (!m_bOpen || !pData || nLength <= 0)
        return;
    DWORD dwWritten = 0;
    FT_STATUS ftStatus = Call(m_pApi->pfnWrite, m_ftHandle, const_cast<void*>(static_cast<const void*>(pData)),
                              static_cast<DWORD>(nLength), &dwWritten);
    if (m_bExceptions && (ftStatus != FT_OK || dwWritten != static_cast<DWORD>(nLength)))
        throw kErrWrite;
}

void CSerialPort::WriteBytewise(const char* pData, int nLength, char* pAnswers)
{
    if (!m_bOpen || !pData)
        return;
    for (int i = 0; i < nLength; ++i) {
        char chScratch = 0;
        WriteByte(pData[i], pAnswers ? &pAnswers[i] : &chScratch);
    }
}

void CSerialPort::WriteString(const char* pszText, char* pAnswers)
{
    if (!pszText)
        return;
    WriteBytewise(pszText, static_cast<int>(std::strlen(pszText)), pAnswers);
}

unsigned char CSerialPort::ReadByte()
{
    unsigned char byte = 255;
    if (!m_bOpen) {
        if (m_bExceptions)
            throw kErrNotOpen;
        return byte;
    }
    FT_STATUS ftStatus = FT_OK;
    unsigned char received = 255;
    if (ReadExactly(*m_pApi, m_ftHandle, &received, 1, ftStatus))
        byte = received;
    else if (m_bExceptions)
        throw kErrRead;
    return byte;
}

FT_STATUS CSerialPort::ReadBlock(void* pBuffer, int nLength)
{
    if (!m_bOpen)
        return FT_OK;
    if (!pBuffer || nLength < 0) {
        if (m_bExceptions)
            throw kErrRead;
        return FT_INVALID_PARAMETER;
    }
    FT_STATUS ftStatus = FT_OK;
    if (!ReadExactly(*m_pApi, m_ftHandle, pBuffer, static_cast<DWORD>(nLength), ftStatus) && m_bExceptions)
        throw kErrRead;
    return ftStatus;
}

int CSerialPort::ReadLine(char* pBuffer, char chTerminator, int nMaxCount)
{
    if (!pBuffer)
        return -1;
    if (!m_bOpen) {
        pBuffer[0] = 0;
        return -1;
    }
    int nStored = 0;
    while (nStored < nMaxCount) {
        pBuffer[nStored] = static_cast<char>(ReadByte());
        if (pBuffer[nStored++] == chTerminator)
            break;
    }
    pBuffer[nStored] = 0;
    return 0;
}

int CSerialPort::Purge()
{
    Call(m_pApi->pfnPurge, m_ftHandle, FT_PURGE_RX | FT_PURGE_TX);
    return 0;
}

int CSerialPort::GetQueueStatus()
{
    DWORD dwQueued = 0;
    if (Call(m_pApi->pfnGetQueueStatus, m_ftHandle, &dwQueued) != FT_OK) {
        if (m_bExceptions)
            throw kErrQueue;
        return -1;
    }
    return static_cast<int>(dwQueued);
}

void CSerialPort::SetRts(bool bOn)
{
    if (bOn)
        Call(m_pApi->pfnSetRts, m_ftHandle);
    else
        Call(m_pApi->pfnClrRts, m_ftHandle);
}

void CSerialPort::EnableExceptions()
{
    m_bExceptions = TRUE;
}

void CSerialPort::DisableExceptions()
{
    m_bExceptions = FALSE;
}

std::string CSerialPort::ErrorText(int nError)
{
    switch (nError) {
    case 0:
        return "Timeout";
    case kErrWrite:
        return "Write error";
    case kErrRead:
        return "Read error";
    default:
        return "Not specified";
    }
}

namespace {

// The image the driver fills: its string pointers aim at these buffers.
struct EEPROM_IMAGE {
    char szManufacturer[32] = {};
    char szManufacturerId[16] = {};
    char szDescription[64] = {};
    char szSerialNumber[16] = {};
    FT_PROGRAM_DATA data;

    EEPROM_IMAGE()
    {
        data.Signature1 = 0;
        data.Signature2 = 0xFFFFFFFF;
        data.Version = 2;
        data.Manufacturer = szManufacturer;
        data.ManufacturerId = szManufacturerId;
        data.Description = szDescription;
        data.SerialNumber = szSerialNumber;
    }
    EEPROM_IMAGE(const EEPROM_IMAGE&) = delete;
    EEPROM_IMAGE& operator=(const EEPROM_IMAGE&) = delete;
};

// A driver may fill a buffer to its last byte without a terminator.
template <std::size_t N>
std::string Text(const char (&sz)[N])
{
    return std::string(sz, strnlen(sz, N));
}

}  // namespace

int CSerialPort::ReadDescription(std::string& strDescription)
{
    EEPROM_IMAGE image;
    m_ftStatus = Call(m_pApi->pfnEE_Read, m_ftHandle, &image.data);
    if (m_ftStatus != FT_OK)
        return 1;
    strDescription = Text(image.szDescription);
    return 0;
}

int CSerialPort::ReadSerialNumber(std::string& strSerial)
{
    EEPROM_IMAGE image;
    m_ftStatus = Call(m_pApi->pfnEE_Read, m_ftHandle, &image.data);
    if (m_ftStatus != FT_OK)
        return 1;
    strSerial = Text(image.szSerialNumber);
    return 0;
}

int CSerialPort::ReadManufacturer(std::string& strManufacturer, std::string& strManufacturerId)
{
    EEPROM_IMAGE image;
    m_ftStatus = Call(m_pApi->pfnEE_Read, m_ftHandle, &image.data);
    if (m_ftStatus != FT_OK)
        return 1;
    strManufacturer = Text(image.szManufacturer);
    strManufacturerId = Text(image.szManufacturerId);
    return 0;
}

// Read, change one text, program, then reset the port so the chip reloads its EEPROM.
int CSerialPort::ProgramDescription(const char* pszText)
{
    EEPROM_IMAGE image;
    m_ftStatus = Call(m_pApi->pfnEE_Read, m_ftHandle, &image.data);
    if (m_ftStatus != FT_OK)
        return 1;
    image.data.Description = const_cast<char*>(pszText);
    m_ftStatus = Call(m_pApi->pfnEE_Program, m_ftHandle, &image.data);
    if (m_ftStatus != FT_OK)
        return 1;
    Call(m_pApi->pfnResetPort, m_ftHandle);
    return 0;
}

int CSerialPort::ProgramSerialNumber(const char* pszText)
{
    EEPROM_IMAGE image;
    m_ftStatus = Call(m_pApi->pfnEE_Read, m_ftHandle, &image.data);
    if (m_ftStatus != FT_OK)
        return 1;
    image.data.SerialNumber = const_cast<char*>(pszText);
    m_ftStatus = Call(m_pApi->pfnEE_Program, m_ftHandle, &image.data);
    if (m_ftStatus != FT_OK)
        return 1;
    Call(m_pApi->pfnResetPort, m_ftHandle);
    return 0;
}

int CSerialPort::ProgramManufacturer(const char* pszManufacturer, const char* pszManufacturerId)
{
    EEPROM_IMAGE image;
    m_ftStatus = Call(m_pApi->pfnEE_Read, m_ftHandle, &image.data);
    if (m_ftStatus != FT_OK)
        return 1;
    image.data.Manufacturer = const_cast<char*>(pszManufacturer);
    image.data.ManufacturerId = const_cast<char*>(pszManufacturerId);
    m_ftStatus = Call(m_pApi->pfnEE_Program, m_ftHandle, &image.data);
    if (m_ftStatus != FT_OK)
        return 1;
    Call(m_pApi->pfnResetPort, m_ftHandle);
    return 0;
}

int CSerialPort::GetUserAreaSize()
{
    DWORD dwSize = 0;
    m_ftStatus = Call(m_pApi->pfnEE_UASize, m_ftHandle, &dwSize);
    return m_ftStatus == FT_OK ? static_cast<int>(dwSize) : -1;
}

int CSerialPort::WriteUserArea(void* pData, int nLength)
{
    if (!pData || nLength < 0) {
        m_ftStatus = FT_INVALID_PARAMETER;
        return -1;
    }
    m_ftStatus = Call(m_pApi->pfnEE_UAWrite, m_ftHandle, static_cast<BYTE*>(pData), static_cast<DWORD>(nLength));
    return m_ftStatus == FT_OK ? 0 : -1;
}

int CSerialPort::ReadUserArea(void* pBuffer, int nLength)
{
    if (!pBuffer || nLength < 0) {
        m_ftStatus = FT_INVALID_PARAMETER;
        return -1;
    }
    DWORD dwRead = 0;
    m_ftStatus =
        Call(m_pApi->pfnEE_UARead, m_ftHandle, static_cast<BYTE*>(pBuffer), static_cast<DWORD>(nLength), &dwRead);
    return m_ftStatus == FT_OK ? 0 : -1;
}
