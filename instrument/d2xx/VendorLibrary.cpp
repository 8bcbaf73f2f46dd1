// The chip maker's own driver library, loaded at run time so that the program builds and
// runs without it.
#include "instrument/d2xx/D2xxBackends.h"

#include <dlfcn.h>

#include <cstdlib>
#include <mutex>

namespace d2xx {
namespace {

constexpr const char* kDefaultLibrary = "libftd2xx.so";

template <class... A>
FT_STATUS NotSupported(A...)
{
    return FT_NOT_SUPPORTED;
}

// A call the library lacks answers "not supported"; the rest of the library stays usable.
template <class... A>
void Bind(void* hLibrary, const char* pszName, FT_STATUS (*&slot)(A...))
{
    void* pSymbol = dlsym(hLibrary, pszName);
    slot = pSymbol ? reinterpret_cast<FT_STATUS (*)(A...)>(pSymbol) : &NotSupported<A...>;
}

void BindAll(void* h, D2XX_API& t)
{
    Bind(h, "FT_CreateDeviceInfoList", t.pfnCreateDeviceInfoList);
    Bind(h, "FT_GetDeviceInfoDetail", t.pfnGetDeviceInfoDetail);
    Bind(h, "FT_Open", t.pfnOpen);
    Bind(h, "FT_OpenEx", t.pfnOpenEx);
    Bind(h, "FT_Close", t.pfnClose);
    Bind(h, "FT_SetUSBParameters", t.pfnSetUSBParameters);
    Bind(h, "FT_SetLatencyTimer", t.pfnSetLatencyTimer);
    Bind(h, "FT_SetDataCharacteristics", t.pfnSetDataCharacteristics);
    Bind(h, "FT_SetTimeouts", t.pfnSetTimeouts);
    Bind(h, "FT_SetFlowControl", t.pfnSetFlowControl);
    Bind(h, "FT_SetBaudRate", t.pfnSetBaudRate);
    Bind(h, "FT_Purge", t.pfnPurge);
    Bind(h, "FT_Read", t.pfnRead);
    Bind(h, "FT_Write", t.pfnWrite);
    Bind(h, "FT_GetQueueStatus", t.pfnGetQueueStatus);
    Bind(h, "FT_SetRts", t.pfnSetRts);
    Bind(h, "FT_ClrRts", t.pfnClrRts);
    Bind(h, "FT_EE_Read", t.pfnEE_Read);
    Bind(h, "FT_EE_Program", t.pfnEE_Program);
    Bind(h, "FT_EE_UASize", t.pfnEE_UASize);
    Bind(h, "FT_EE_UARead", t.pfnEE_UARead);
    Bind(h, "FT_EE_UAWrite", t.pfnEE_UAWrite);
    // The port reset that makes the chip reload its EEPROM.
    Bind(h, "FT_CyclePort", t.pfnResetPort);
}

std::mutex g_loadMutex;
D2XX_API g_table;
bool g_bLoaded = false;

}  // namespace

const D2XX_API* VendorLibraryTable(std::string& error)
{
    std::lock_guard lock(g_loadMutex);
    // Loaded once for the process: tables handed out earlier must stay valid.
    if (g_bLoaded)
        return &g_table;

    const char* pszEnv = std::getenv("VADEL_D2XX_LIBRARY");
    const std::string strPath = (pszEnv && *pszEnv) ? pszEnv : kDefaultLibrary;
    dlerror();
    void* hLibrary = dlopen(strPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!hLibrary) {
        const char* pszWhy = dlerror();
        error = "The D2XX library \"" + strPath + "\" could not be loaded" +
                (pszWhy ? std::string(": ") + pszWhy : std::string()) + ".";
        return nullptr;
    }
    D2XX_API table;
    table.name = "vendor";
    BindAll(hLibrary, table);
    // Without these it is not the driver library at all, whatever its name.
    for (const char* pszCore : {"FT_Open", "FT_Close", "FT_Read", "FT_Write"}) {
        if (!dlsym(hLibrary, pszCore)) {
            error = "The library \"" + strPath + "\" is not a D2XX library: it has no " + pszCore + ".";
            dlclose(hLibrary);
            return nullptr;
        }
    }
    g_table = table;
    g_bLoaded = true;
    return &g_table;
}

}  // namespace d2xx
