#pragma once
// The dual-channel chips on the USB buses, in an order that stays put while nothing is
// plugged or unplugged: by bus, then by the port path to the chip.
#include <cstddef>
#include <string>
#include <vector>

struct ftdi_context;
struct ftdi_device_list;
struct libusb_device;

namespace d2xx {

class CChipList {
public:
    // Enumerates in the given context: a device found in one libusb context opens only in it.
    explicit CChipList(ftdi_context* pContext);
    ~CChipList();
    CChipList(const CChipList&) = delete;
    CChipList& operator=(const CChipList&) = delete;

    std::size_t Count() const { return m_chips.size(); }
    libusb_device* Chip(std::size_t k) const { return m_chips[k]; }

private:
    std::vector<ftdi_device_list*> m_lists;  // own the device references
    std::vector<libusb_device*> m_chips;
};

// The USB ids searched: 0403:6010 and any "vvvv:pppp" pairs listed in VADEL_USB_IDS.
struct USB_ID {
    int nVendor;
    int nProduct;
};
std::vector<USB_ID> LibftdiUsbIds();

// Product and serial strings of a chip; empty when they cannot be read (no permission).
void LibftdiChipStrings(libusb_device* pChip, std::string& strProduct, std::string& strSerial);

}  // namespace d2xx
