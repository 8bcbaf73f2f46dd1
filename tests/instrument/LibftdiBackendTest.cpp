// The libftdi1 back end without a chip: what a machine without the box (or without USB) sees.
#include "instrument/CSerialPort.h"
#include "instrument/d2xx/D2xxBackends.h"
#include "instrument/d2xx/LibftdiTable.h"

#include <gtest/gtest.h>

using namespace d2xx;

namespace {

bool ChipAttached()
{
    std::uint32_t nDevices = 0;
    const D2XX_API& api = LibftdiCallTable();
    return api.pfnCreateDeviceInfoList && api.pfnCreateDeviceInfoList(&nDevices) == FT_OK && nDevices > 0;
}

TEST(LibftdiBackend, WithoutAChipOpeningFindsNoDevice)
{
    if (ChipAttached())
        GTEST_SKIP() << "a dual-channel chip is attached";
    CSerialPort port(LibftdiCallTable());
    EXPECT_EQ(port.OpenByIndex(0, 6000000, 8), 1);
    EXPECT_EQ(port.OpenByIndex(1, 6000000, 8), 1);
    EXPECT_EQ(port.OpenBySerialNumber("SN1234A", 6000000, 8), 1);
    EXPECT_EQ(port.OpenByDescription("Box A", 6000000, 8), 1);
    EXPECT_FALSE(port.IsOpen());
}

TEST(LibftdiBackend, CallsOnUnknownHandlesAreRefused)
{
    const D2XX_API& api = LibftdiCallTable();
    if (!api.pfnRead)
        GTEST_SKIP() << "built without libftdi1";
    FT_HANDLE hBogus = reinterpret_cast<FT_HANDLE>(std::uintptr_t{0xDEAD0000});
    char buffer[4];
    std::uint32_t n = 99;
    EXPECT_EQ(api.pfnRead(hBogus, buffer, 4, &n), FT_INVALID_HANDLE);
    EXPECT_EQ(api.pfnWrite(hBogus, buffer, 4, &n), FT_INVALID_HANDLE);
    EXPECT_EQ(api.pfnPurge(hBogus, FT_PURGE_RX | FT_PURGE_TX), FT_INVALID_HANDLE);
    EXPECT_EQ(api.pfnGetQueueStatus(nullptr, &n), FT_INVALID_HANDLE);
    EXPECT_EQ(api.pfnSetRts(hBogus), FT_INVALID_HANDLE);
    EXPECT_EQ(api.pfnEE_UASize(hBogus, &n), FT_INVALID_HANDLE);
    EXPECT_EQ(api.pfnResetPort(hBogus), FT_INVALID_HANDLE);
    EXPECT_EQ(api.pfnClose(hBogus), FT_INVALID_HANDLE);

    FT_HANDLE h = nullptr;
    EXPECT_EQ(api.pfnOpen(-1, &h), FT_DEVICE_NOT_FOUND);
    EXPECT_EQ(api.pfnOpen(0, nullptr), FT_INVALID_PARAMETER);
    EXPECT_EQ(api.pfnOpenEx(const_cast<char*>("x"), 4, &h), FT_NOT_SUPPORTED) << "open by location";
    EXPECT_EQ(api.pfnOpenEx(nullptr, FT_OPEN_BY_SERIAL_NUMBER, &h), FT_INVALID_PARAMETER);
}

TEST(LibftdiBackend, SelectionSaysWhyWhenUsbCannotBeReached)
{
    std::string error;
    const D2XX_API* pApi = LibftdiTable(error);
    if (pApi) {
        EXPECT_STREQ(pApi->name, "libftdi1");
    } else {
        EXPECT_FALSE(error.empty());
        EXPECT_NE(error.find("libftdi1"), std::string::npos) << error;
    }
}

}  // namespace
