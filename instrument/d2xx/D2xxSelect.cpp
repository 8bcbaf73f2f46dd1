#include "instrument/d2xx/D2xxBackends.h"

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace d2xx {
namespace {

std::atomic<const D2XX_API*> g_pActive{nullptr};
std::mutex g_selectMutex;

// What the port sees when no back end works: no devices, every call refused.
FT_STATUS NoDevices(std::uint32_t* pNumDevs)
{
    if (pNumDevs)
        *pNumDevs = 0;
    return FT_OK;
}
template <class... A>
FT_STATUS NotFound(A...)
{
    return FT_DEVICE_NOT_FOUND;
}
template <class... A>
FT_STATUS NotSupported(A...)
{
    return FT_NOT_SUPPORTED;
}
template <class... A>
void Refuse(FT_STATUS (*&slot)(A...), bool bNotFound)
{
    slot = bNotFound ? &NotFound<A...> : &NotSupported<A...>;
}

const D2XX_API& NoBackendTable()
{
    static const D2XX_API api = [] {
        D2XX_API t;
        t.name = "none";
        t.pfnCreateDeviceInfoList = &NoDevices;
        Refuse(t.pfnGetDeviceInfoDetail, true);
        Refuse(t.pfnOpen, true);
        Refuse(t.pfnOpenEx, true);
        Refuse(t.pfnClose, false);
        Refuse(t.pfnSetUSBParameters, false);
        Refuse(t.pfnSetLatencyTimer, false);
        Refuse(t.pfnSetDataCharacteristics, false);
        Refuse(t.pfnSetTimeouts, false);
        Refuse(t.pfnSetFlowControl, false);
        Refuse(t.pfnSetBaudRate, false);
        Refuse(t.pfnPurge, false);
        Refuse(t.pfnRead, false);
        Refuse(t.pfnWrite, false);
        Refuse(t.pfnGetQueueStatus, false);
        Refuse(t.pfnSetRts, false);
        Refuse(t.pfnClrRts, false);
        Refuse(t.pfnEE_Read, false);
        Refuse(t.pfnEE_Program, false);
        Refuse(t.pfnEE_UASize, false);
        Refuse(t.pfnEE_UARead, false);
        Refuse(t.pfnEE_UAWrite, false);
        Refuse(t.pfnResetPort, false);
        return t;
    }();
    return api;
}

const D2XX_API* Choose(const std::optional<std::string>& simulateOptions, std::string& error)
{
    std::optional<std::string> options = simulateOptions ? simulateOptions : SimulateOptionsFromEnvironment();
    if (options)
        return SimulatedBoxTable(*options, error);

    std::string vendorError;
    if (const D2XX_API* pApi = VendorLibraryTable(vendorError))
        return pApi;
    std::string libftdiError;
    if (const D2XX_API* pApi = LibftdiTable(libftdiError))
        return pApi;
    error = "No USB driver could be used. " + vendorError + " " + libftdiError;
    return nullptr;
}

}  // namespace

const D2XX_API& D2xxActive()
{
    if (const D2XX_API* pApi = g_pActive.load(std::memory_order_acquire))
        return *pApi;
    std::lock_guard lock(g_selectMutex);
    if (const D2XX_API* pApi = g_pActive.load(std::memory_order_acquire))
        return *pApi;
    std::string error;
    const D2XX_API* pApi = Choose(std::nullopt, error);
    if (!pApi)
        pApi = &NoBackendTable();
    g_pActive.store(pApi, std::memory_order_release);
    return *pApi;
}

const D2XX_API* D2xxUse(const D2XX_API* pApi)
{
    std::lock_guard lock(g_selectMutex);
    return g_pActive.exchange(pApi, std::memory_order_acq_rel);
}

bool D2xxSelect(const std::optional<std::string>& simulateOptions, std::string& error)
{
    std::lock_guard lock(g_selectMutex);
    std::string why;
    const D2XX_API* pApi = Choose(simulateOptions, why);
    if (!pApi) {
        error = why.empty() ? std::string("The USB driver could not be loaded.") : why;
        return false;
    }
    g_pActive.store(pApi, std::memory_order_release);
    return true;
}

std::optional<std::string> SimulateOptionsFromEnvironment()
{
    const char* psz = std::getenv("VADEL_SIMULATE");
    if (!psz)
        return std::nullopt;
    return std::string(psz);
}

}  // namespace d2xx
