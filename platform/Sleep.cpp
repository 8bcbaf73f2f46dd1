#include "platform/Sleep.h"

#include <chrono>
#include <mutex>
#include <thread>

namespace platform {
namespace {
std::mutex g_hookMutex;
std::function<void(int)> g_hook;
}  // namespace

void Sleep(int nMilliseconds)
{
    std::function<void(int)> hook;
    {
        std::lock_guard lock(g_hookMutex);
        hook = g_hook;
    }
    if (hook) {
        hook(nMilliseconds);
        return;
    }
    if (nMilliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(nMilliseconds));
}

std::function<void(int)> SetSleepHook(std::function<void(int)> hook)
{
    std::lock_guard lock(g_hookMutex);
    std::swap(g_hook, hook);
    return hook;
}

}  // namespace platform
