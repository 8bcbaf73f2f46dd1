// A shared library that exports a few of the driver's calls by their C names: enough to be
// taken for the driver library, with the rest (the port reset among them) missing.
#include <cstdint>

extern "C" {

__attribute__((visibility("default"))) std::uint32_t FT_CreateDeviceInfoList(std::uint32_t* pNumDevs)
{
    *pNumDevs = 7;
    return 0;
}
__attribute__((visibility("default"))) std::uint32_t FT_Open(int, void** pHandle)
{
    *pHandle = nullptr;
    return 2;
}
__attribute__((visibility("default"))) std::uint32_t FT_Close(void*)
{
    return 0;
}
__attribute__((visibility("default"))) std::uint32_t FT_Read(void*, void*, std::uint32_t, std::uint32_t* pRead)
{
    *pRead = 0;
    return 0;
}
__attribute__((visibility("default"))) std::uint32_t FT_Write(void*, void*, std::uint32_t, std::uint32_t* pWritten)
{
    *pWritten = 0;
    return 0;
}
}
