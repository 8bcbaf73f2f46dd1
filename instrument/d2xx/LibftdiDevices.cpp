#include "instrument/d2xx/LibftdiDevices.h"

#include "instrument/d2xx/LibftdiChannel.h"

#if VADEL_HAVE_LIBFTDI
#include <ftdi.h>
#include <libusb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <tuple>

namespace d2xx {
namespace {

constexpr int kVendorFtdi = 0x0403;
constexpr int kProductDualChannel = 0x6010;

struct FtdiDeleter {
    void operator()(ftdi_context* p) const { ftdi_free(p); }
};
using FtdiPtr = std::unique_ptr<ftdi_context, FtdiDeleter>;

std::vector<std::uint8_t> SortKey(libusb_device* pDevice)
{
    std::vector<std::uint8_t> key{libusb_get_bus_number(pDevice)};
    std::uint8_t ports[8] = {};
    const int nPorts = libusb_get_port_numbers(pDevice, ports, sizeof ports);
    if (nPorts > 0)
        key.insert(key.end(), ports, ports + nPorts);
    else
        key.push_back(libusb_get_device_address(pDevice));
    return key;
}

}  // namespace

std::vector<USB_ID> LibftdiUsbIds()
{
    std::vector<USB_ID> ids{{kVendorFtdi, kProductDualChannel}};
    const char* pszExtra = std::getenv("VADEL_USB_IDS");
    if (!pszExtra)
        return ids;
    std::stringstream list(pszExtra);
    std::string strPair;
    while (std::getline(list, strPair, ',')) {
        unsigned nVendor = 0, nProduct = 0;
        char chColon = 0;
        std::stringstream pair(strPair);
        if ((pair >> std::hex >> nVendor >> chColon >> nProduct) && chColon == ':' && nVendor <= 0xFFFF &&
            nProduct <= 0xFFFF)
            ids.push_back({static_cast<int>(nVendor), static_cast<int>(nProduct)});
    }
    return ids;
}

CChipList::CChipList(ftdi_context* pContext)
{
    if (!pContext)
        return;
    for (const USB_ID& id : LibftdiUsbIds()) {
        ftdi_device_list* pList = nullptr;
        if (ftdi_usb_find_all(pContext, &pList, id.nVendor, id.nProduct) < 0) {
            ftdi_list_free(&pList);
            continue;
        }
        m_lists.push_back(pList);
        for (ftdi_device_list* p = pList; p; p = p->next) {
            if (std::find(m_chips.begin(), m_chips.end(), p->dev) == m_chips.end())
                m_chips.push_back(p->dev);
        }
    }
    std::stable_sort(m_chips.begin(), m_chips.end(),
                     [](libusb_device* a, libusb_device* b) { return SortKey(a) < SortKey(b); });
}

CChipList::~CChipList()
{
    for (ftdi_device_list* pList : m_lists)
        ftdi_list_free(&pList);
}

void LibftdiChipStrings(libusb_device* pChip, std::string& strProduct, std::string& strSerial)
{
    strProduct.clear();
    strSerial.clear();
    FtdiPtr pContext(ftdi_new());
    if (!pContext)
        return;
    char szManufacturer[128] = {}, szProduct[128] = {}, szSerial[128] = {};
    if (ftdi_usb_get_strings(pContext.get(), pChip, szManufacturer, sizeof szManufacturer, szProduct,
                             sizeof szProduct, szSerial, sizeof szSerial) < 0)
        return;
    strProduct = szProduct;
    strSerial = szSerial;
}

std::uint32_t LibftdiCountChannels()
{
    FtdiPtr pContext(ftdi_new());
    if (!pContext)
        return 0;
    CChipList chips(pContext.get());
    return static_cast<std::uint32_t>(chips.Count() * 2);
}

FT_STATUS LibftdiChannelInfo(std::uint32_t nIndex, CHANNEL_INFO& info)
{
    FtdiPtr pContext(ftdi_new());
    if (!pContext)
        return FT_DEVICE_NOT_FOUND;
    CChipList chips(pContext.get());
    const std::size_t k = nIndex / 2;
    if (k >= chips.Count())
        return FT_DEVICE_NOT_FOUND;
    libusb_device* pChip = chips.Chip(k);
    const bool bInterfaceB = (nIndex % 2) != 0;

    libusb_device_descriptor descriptor{};
    libusb_get_device_descriptor(pChip, &descriptor);
    info.nId = (static_cast<std::uint32_t>(descriptor.idVendor) << 16) | descriptor.idProduct;
    info.nType = descriptor.bcdDevice >= 0x700 ? TYPE_2232H : TYPE_2232C;
    info.nFlags = libusb_get_device_speed(pChip) >= LIBUSB_SPEED_HIGH ? 2u : 0u;
    info.nLocId = (static_cast<std::uint32_t>(libusb_get_bus_number(pChip)) << 16) |
                  (static_cast<std::uint32_t>(libusb_get_device_address(pChip)) << 4) | (bInterfaceB ? 2u : 1u);
    std::string strProduct, strSerial;
    LibftdiChipStrings(pChip, strProduct, strSerial);
    info.strSerial = strSerial.empty() ? std::string() : strSerial + (bInterfaceB ? "B" : "A");
    info.strDescription = strProduct.empty() ? std::string() : strProduct + (bInterfaceB ? " B" : " A");
    return FT_OK;
}

}  // namespace d2xx

#endif
