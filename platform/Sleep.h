#pragma once
// Waits of the box protocol (settle delays, the pause around a stream). A simulated
// instrument on a virtual clock redirects them, so tests never wait real time.
#include <functional>

namespace platform {

void Sleep(int nMilliseconds);
// Replaces the wait; an empty function restores the real one. Returns the previous hook.
std::function<void(int)> SetSleepHook(std::function<void(int)> hook);

}  // namespace platform
