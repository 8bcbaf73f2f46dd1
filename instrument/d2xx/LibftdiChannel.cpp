#include "instrument/d2xx/LibftdiChannel.h"

#if VADEL_HAVE_LIBFTDI
#include "instrument/d2xx/LibftdiDevices.h"

#include <ftdi.h>
#include <libusb.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace d2xx {
namespace {

// Bounds how long closing waits for the reader's transfer in flight; a live chip answers
// within its latency timer anyway.
constexpr int kReaderTransferMs = 200;
constexpr std::uint32_t kMaxChunk = 65536;
constexpr std::uint32_t kHighSpeedOnlyBaud = 3000000;
constexpr std::uint16_t kFlowDtrDsr = 0x0200;
constexpr std::uint16_t kFlowXonXoff = 0x0400;

FT_STATUS UsbStatus(int rc)
{
    return rc >= 0 ? FT_OK : FT_IO_ERROR;
}

void CopyText(const char* psz, char* pDest, std::size_t nSize)
{
    if (!pDest)
        return;
    const std::size_t n = strnlen(psz, nSize - 1);
    std::memcpy(pDest, psz, n);
    pDest[n] = 0;
}

}  // namespace

CLibftdiChannel::CLibftdiChannel(ftdi_context* pContext, int nIndex)
    : m_pContext(pContext), m_nIndex(nIndex), m_ring(kRingBytes)
{
}

FT_STATUS CLibftdiChannel::Open(int nIndex, std::unique_ptr<CLibftdiChannel>& pChannel)
{
    if (nIndex < 0)
        return FT_DEVICE_NOT_FOUND;
    ftdi_context* pContext = ftdi_new();
    if (!pContext)
        return FT_DEVICE_NOT_FOUND;
    ftdi_set_interface(pContext, nIndex % 2 ? INTERFACE_B : INTERFACE_A);
    // Hand the interface back to the kernel's serial driver when we close it.
    pContext->module_detach_mode = AUTO_DETACH_REATACH_SIO_MODULE;
    int rc = 0;
    {
        CChipList chips(pContext);
        const std::size_t k = static_cast<std::size_t>(nIndex) / 2;
        if (k >= chips.Count()) {
            ftdi_free(pContext);
            return FT_DEVICE_NOT_FOUND;
        }
        rc = ftdi_usb_open_dev(pContext, chips.Chip(k));
    }
    if (rc < 0) {
        ftdi_free(pContext);
        return FT_DEVICE_NOT_OPENED;
    }
    pContext->usb_read_timeout = kReaderTransferMs;
    pChannel.reset(new CLibftdiChannel(pContext, nIndex));
    pChannel->StartReader();
    return FT_OK;
}

FT_STATUS CLibftdiChannel::OpenByText(const char* pszText, bool bSerial, std::unique_ptr<CLibftdiChannel>& pChannel)
{
    if (!pszText)
        return FT_INVALID_PARAMETER;
    const std::string strWanted = pszText;
    int nFound = -1;
    {
        ftdi_context* pContext = ftdi_new();
        if (!pContext)
            return FT_DEVICE_NOT_FOUND;
        CChipList chips(pContext);
        for (std::size_t k = 0; k < chips.Count() && nFound < 0; ++k) {
            std::string strProduct, strSerial;
            LibftdiChipStrings(chips.Chip(k), strProduct, strSerial);
            const std::string& strBase = bSerial ? strSerial : strProduct;
            const char* pszSep = bSerial ? "" : " ";
            if (strBase.empty())
                continue;
            if (strWanted == strBase || strWanted == strBase + pszSep + "A")
                nFound = static_cast<int>(2 * k);
            else if (strWanted == strBase + pszSep + "B")
                nFound = static_cast<int>(2 * k + 1);
        }
        ftdi_free(pContext);
    }
    if (nFound < 0)
        return FT_DEVICE_NOT_FOUND;
    return Open(nFound, pChannel);
}

CLibftdiChannel::~CLibftdiChannel()
{
    StopReader();
    // Releasing the interface lets libusb reattach the kernel driver.
    ftdi_usb_close(m_pContext);
    ftdi_free(m_pContext);
}

void CLibftdiChannel::StartReader()
{
    m_reader = std::thread([this] { ReaderLoop(); });
}

void CLibftdiChannel::StopReader()
{
    m_bStop.store(true);
    if (m_reader.joinable())
        m_reader.join();
    m_ring.SetFault();
}

void CLibftdiChannel::ReaderLoop()
{
    std::vector<unsigned char> buffer(kMaxChunk);
    while (!m_bStop.load()) {
        // Let a purge or a chunk-size change in; the mutex alone is not fair.
        while (m_nWaiting.load() > 0 && !m_bStop.load())
            std::this_thread::yield();
        std::lock_guard lock(m_readMutex);
        const int nWant = static_cast<int>(std::min(m_nChunk.load(), kMaxChunk));
        const int n = ftdi_read_data(m_pContext, buffer.data(), nWant);
        if (n > 0) {
            // Still under the lock, so a purge cannot slip between the transfer and the store.
            m_ring.Write(buffer.data(), static_cast<std::size_t>(n));
        } else if (n < 0 && n != LIBUSB_ERROR_TIMEOUT && n != LIBUSB_ERROR_INTERRUPTED) {
            m_ring.SetFault();  // unplugged or broken: pending reads end now, not at their timeout
            return;
        }
    }
}

FT_STATUS CLibftdiChannel::SetUsbParameters(std::uint32_t nIn, std::uint32_t nOut)
{
    if (nIn == 0 || nOut == 0)
        return FT_INVALID_PARAMETER;
    const std::uint32_t nChunk = std::min(nIn, kMaxChunk);
    int rc = 0;
    {
        ++m_nWaiting;
        std::lock_guard lock(m_readMutex);
        --m_nWaiting;
        rc = ftdi_read_data_set_chunksize(m_pContext, nChunk);
        if (rc >= 0)
            m_nChunk.store(nChunk);
    }
    std::lock_guard lock(m_controlMutex);
    if (rc >= 0)
        rc = ftdi_write_data_set_chunksize(m_pContext, std::min(nOut, kMaxChunk));
    return UsbStatus(rc);
}

FT_STATUS CLibftdiChannel::SetLatencyTimer(std::uint8_t nMs)
{
    if (nMs == 0)
        return FT_INVALID_PARAMETER;
    std::lock_guard lock(m_controlMutex);
    return UsbStatus(ftdi_set_latency_timer(m_pContext, nMs));
}

FT_STATUS CLibftdiChannel::SetDataCharacteristics(std::uint8_t nBits, std::uint8_t nStop, std::uint8_t nParity)
{
    if ((nBits != BITS_7 && nBits != BITS_8) || (nStop != STOP_BIT_1 && nStop != STOP_BIT_2) || nParity > SPACE)
        return FT_INVALID_PARAMETER;
    std::lock_guard lock(m_controlMutex);
    return UsbStatus(ftdi_set_line_property(m_pContext, static_cast<ftdi_bits_type>(nBits),
                                            static_cast<ftdi_stopbits_type>(nStop),
                                            static_cast<ftdi_parity_type>(nParity)));
}

FT_STATUS CLibftdiChannel::SetTimeouts(std::uint32_t nReadMs, std::uint32_t nWriteMs)
{
    m_nReadTimeoutMs.store(nReadMs);
    std::lock_guard lock(m_controlMutex);
    // libusb takes 0 as "wait for ever"; a write must never hang, so 0 keeps libftdi's own bound.
    if (nWriteMs > 0)
        m_pContext->usb_write_timeout = static_cast<int>(std::min<std::uint32_t>(nWriteMs, 0x7FFFFFFF));
    return FT_OK;
}

FT_STATUS CLibftdiChannel::SetFlowControl(std::uint16_t nFlow, std::uint8_t chXon, std::uint8_t chXoff)
{
    std::lock_guard lock(m_controlMutex);
    switch (nFlow) {
    case FT_FLOW_NONE:
        return UsbStatus(ftdi_setflowctrl(m_pContext, SIO_DISABLE_FLOW_CTRL));
    case FT_FLOW_RTS_CTS:
        return UsbStatus(ftdi_setflowctrl(m_pContext, SIO_RTS_CTS_HS));
    case kFlowDtrDsr:
        return UsbStatus(ftdi_setflowctrl(m_pContext, SIO_DTR_DSR_HS));
    case kFlowXonXoff:
        return UsbStatus(ftdi_setflowctrl_xonxoff(m_pContext, chXon, chXoff));
    default:
        return FT_INVALID_PARAMETER;
    }
}

FT_STATUS CLibftdiChannel::SetBaudRate(std::uint32_t nBaud)
{
    std::lock_guard lock(m_controlMutex);
    const bool bHighSpeed =
        m_pContext->type == TYPE_2232H || m_pContext->type == TYPE_4232H || m_pContext->type == TYPE_232H;
    if (nBaud == 0 || nBaud > 12000000 || (nBaud > kHighSpeedOnlyBaud && !bHighSpeed))
        return FT_INVALID_BAUD_RATE;
    const int rc = ftdi_set_baudrate(m_pContext, static_cast<int>(nBaud));
    if (rc == -1)
        return FT_INVALID_BAUD_RATE;
    return UsbStatus(rc);
}

FT_STATUS CLibftdiChannel::Purge(std::uint32_t nMask)
{
    if (nMask & ~(FT_PURGE_RX | FT_PURGE_TX))
        return FT_INVALID_PARAMETER;
    int rc = 0;
    if (nMask & FT_PURGE_RX) {
        ++m_nWaiting;
        std::lock_guard lock(m_readMutex);
        --m_nWaiting;
        rc = ftdi_tciflush(m_pContext);
        m_ring.Clear();
    }
    if ((nMask & FT_PURGE_TX) && rc >= 0) {
        std::lock_guard lock(m_controlMutex);
        rc = ftdi_tcoflush(m_pContext);
    }
    return UsbStatus(rc);
}

FT_STATUS CLibftdiChannel::Read(void* pBuffer, std::uint32_t nCount, std::uint32_t* pReturned)
{
    if (pReturned)
        *pReturned = 0;
    if (!pBuffer && nCount > 0)
        return FT_INVALID_PARAMETER;
    const std::size_t nGot = m_ring.Read(static_cast<std::uint8_t*>(pBuffer), nCount,
                                         std::chrono::milliseconds(m_nReadTimeoutMs.load()));
    if (pReturned)
        *pReturned = static_cast<std::uint32_t>(nGot);
    if (nGot == nCount)
        return FT_OK;
    // A gap in the stream or a vanished chip is an error; a plain timeout shows in the count.
    if (m_ring.Overflowed() || m_ring.Faulted())
        return FT_IO_ERROR;
    return FT_OK;
}

FT_STATUS CLibftdiChannel::Write(const void* pBuffer, std::uint32_t nCount, std::uint32_t* pWritten)
{
    if (pWritten)
        *pWritten = 0;
    if (!pBuffer && nCount > 0)
        return FT_INVALID_PARAMETER;
    if (nCount > 0x7FFFFFFF)
        return FT_INVALID_PARAMETER;
    std::lock_guard lock(m_controlMutex);
    const int rc = ftdi_write_data(m_pContext, static_cast<const unsigned char*>(pBuffer), static_cast<int>(nCount));
    if (rc < 0)
        return FT_IO_ERROR;
    if (pWritten)
        *pWritten = static_cast<std::uint32_t>(rc);
    return FT_OK;
}

FT_STATUS CLibftdiChannel::QueueStatus(std::uint32_t* pRxBytes)
{
    if (!pRxBytes)
        return FT_INVALID_PARAMETER;
    *pRxBytes = static_cast<std::uint32_t>(m_ring.Available());
    return (*pRxBytes == 0 && m_ring.Faulted()) ? FT_IO_ERROR : FT_OK;
}

FT_STATUS CLibftdiChannel::SetRts(bool bOn)
{
    std::lock_guard lock(m_controlMutex);
    return UsbStatus(ftdi_setrts(m_pContext, bOn ? 1 : 0));
}

FT_STATUS CLibftdiChannel::EepromRead(FT_PROGRAM_DATA* pData)
{
    if (!pData)
        return FT_INVALID_PARAMETER;
    std::lock_guard lock(m_controlMutex);
    if (ftdi_read_eeprom(m_pContext) < 0 || ftdi_eeprom_decode(m_pContext, 0) < 0)
        return FT_EEPROM_READ_FAILED;
    char szManufacturer[32] = {}, szProduct[64] = {}, szSerial[16] = {};
    if (ftdi_eeprom_get_strings(m_pContext, szManufacturer, sizeof szManufacturer, szProduct, sizeof szProduct,
                                szSerial, sizeof szSerial) < 0)
        return FT_EEPROM_READ_FAILED;
    int nVendor = 0, nProduct = 0;
    ftdi_get_eeprom_value(m_pContext, VENDOR_ID, &nVendor);
    ftdi_get_eeprom_value(m_pContext, PRODUCT_ID, &nProduct);
    pData->VendorId = static_cast<std::uint16_t>(nVendor);
    pData->ProductId = static_cast<std::uint16_t>(nProduct);
    CopyText(szManufacturer, pData->Manufacturer, 32);
    CopyText(szProduct, pData->Description, 64);
    CopyText(szSerial, pData->SerialNumber, 16);
    // The chip's image has no separate manufacturer id.
    CopyText("", pData->ManufacturerId, 16);
    return FT_OK;
}

FT_STATUS CLibftdiChannel::EepromProgram(const FT_PROGRAM_DATA* pData)
{
    if (!pData)
        return FT_INVALID_PARAMETER;
    std::lock_guard lock(m_controlMutex);
    // Start from the chip's own image so that everything not named here is kept.
    if (ftdi_read_eeprom(m_pContext) < 0 || ftdi_eeprom_decode(m_pContext, 0) < 0)
        return FT_EEPROM_READ_FAILED;
    char szManufacturer[128] = {}, szProduct[128] = {}, szSerial[128] = {};
    ftdi_eeprom_get_strings(m_pContext, szManufacturer, sizeof szManufacturer, szProduct, sizeof szProduct, szSerial,
                            sizeof szSerial);
    if (ftdi_eeprom_set_strings(m_pContext, pData->Manufacturer ? pData->Manufacturer : szManufacturer,
                                pData->Description ? pData->Description : szProduct,
                                pData->SerialNumber ? pData->SerialNumber : szSerial) < 0)
        return FT_EEPROM_WRITE_FAILED;
    if (pData->VendorId != 0)
        ftdi_set_eeprom_value(m_pContext, VENDOR_ID, pData->VendorId);
    if (pData->ProductId != 0)
        ftdi_set_eeprom_value(m_pContext, PRODUCT_ID, pData->ProductId);
    // A text too long for the image fails here, before anything is written.
    if (ftdi_eeprom_build(m_pContext) < 0 || ftdi_write_eeprom(m_pContext) < 0)
        return FT_EEPROM_WRITE_FAILED;
    return FT_OK;
}

FT_STATUS CLibftdiChannel::ResetPort()
{
    ++m_nWaiting;
    std::lock_guard readLock(m_readMutex);
    --m_nWaiting;
    std::lock_guard lock(m_controlMutex);
    const int rc = libusb_reset_device(m_pContext->usb_dev);
    // NOT_FOUND: the chip came back as a new device (its descriptors changed); reopen it.
    return (rc == 0 || rc == LIBUSB_ERROR_NOT_FOUND) ? FT_OK : FT_IO_ERROR;
}

}  // namespace d2xx

#endif
