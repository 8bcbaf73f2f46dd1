#pragma once
// One opened interface of a dual-channel chip on libftdi1: its own context, configured after
// opening, and a reader thread that keeps the chip drained into a ring.
#include "instrument/d2xx/D2xxApi.h"
#include "instrument/d2xx/LibftdiRing.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

struct ftdi_context;

namespace d2xx {

class CLibftdiChannel {
public:
    // At one second of the box's stream this still leaves room to spare.
    static constexpr std::size_t kRingBytes = 1u << 20;

    // Opens the interface behind a device index: chip index / 2, interface A or B by parity.
    static FT_STATUS Open(int nIndex, std::unique_ptr<CLibftdiChannel>& pChannel);
    // Opens the interface whose serial number ("<chip serial>A") or description
    // ("<product> A") matches; a chip's bare serial or product selects its interface A.
    static FT_STATUS OpenByText(const char* pszText, bool bSerial, std::unique_ptr<CLibftdiChannel>& pChannel);

    ~CLibftdiChannel();
    CLibftdiChannel(const CLibftdiChannel&) = delete;
    CLibftdiChannel& operator=(const CLibftdiChannel&) = delete;

    int Index() const { return m_nIndex; }

    FT_STATUS SetUsbParameters(std::uint32_t nIn, std::uint32_t nOut);
    FT_STATUS SetLatencyTimer(std::uint8_t nMs);
    FT_STATUS SetDataCharacteristics(std::uint8_t nBits, std::uint8_t nStop, std::uint8_t nParity);
    FT_STATUS SetTimeouts(std::uint32_t nReadMs, std::uint32_t nWriteMs);
    FT_STATUS SetFlowControl(std::uint16_t nFlow, std::uint8_t chXon, std::uint8_t chXoff);
    FT_STATUS SetBaudRate(std::uint32_t nBaud);
    FT_STATUS Purge(std::uint32_t nMask);
    FT_STATUS Read(void* pBuffer, std::uint32_t nCount, std::uint32_t* pReturned);
    FT_STATUS Write(const void* pBuffer, std::uint32_t nCount, std::uint32_t* pWritten);
    FT_STATUS QueueStatus(std::uint32_t* pRxBytes);
    FT_STATUS SetRts(bool bOn);
    FT_STATUS EepromRead(FT_PROGRAM_DATA* pData);
    FT_STATUS EepromProgram(const FT_PROGRAM_DATA* pData);
    FT_STATUS ResetPort();

private:
    CLibftdiChannel(ftdi_context* pContext, int nIndex);
    void StartReader();
    void ReaderLoop();
    void StopReader();

    ftdi_context* m_pContext;
    const int m_nIndex;
    CByteRing m_ring;
    std::thread m_reader;
    std::atomic<bool> m_bStop{false};
    std::atomic<std::uint32_t> m_nChunk{4096};
    std::atomic<std::uint32_t> m_nReadTimeoutMs{0};
    std::atomic<int> m_nWaiting{0};  // callers queued for m_readMutex
    // libftdi keeps its own read buffer in the context: the reader's transfers, purges and
    // chunk-size changes must not overlap.
    std::mutex m_readMutex;
    // Control requests and writes from the port's thread share the context's other fields.
    std::mutex m_controlMutex;
};

// The device indexes the driver reports: two per dual-channel chip found.
struct CHANNEL_INFO {
    std::uint32_t nFlags = 0;
    std::uint32_t nType = 0;
    std::uint32_t nId = 0;
    std::uint32_t nLocId = 0;
    std::string strSerial;
    std::string strDescription;
};
// Number of device indexes (2 per chip); 0 when USB cannot be reached.
std::uint32_t LibftdiCountChannels();
FT_STATUS LibftdiChannelInfo(std::uint32_t nIndex, CHANNEL_INFO& info);

}  // namespace d2xx
