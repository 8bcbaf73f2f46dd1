#pragma once
// Routes platform::Sleep into a call log while alive, so waits show in the recorded sequence
// and cost no real time.
#include "platform/Sleep.h"

#include <string>
#include <vector>

class CScriptedSleep {
public:
    explicit CScriptedSleep(std::vector<std::string>& log)
    {
        m_previous = platform::SetSleepHook([&log](int nMs) { log.push_back("Sleep(" + std::to_string(nMs) + ")"); });
    }
    ~CScriptedSleep() { platform::SetSleepHook(m_previous); }
    CScriptedSleep(const CScriptedSleep&) = delete;
    CScriptedSleep& operator=(const CScriptedSleep&) = delete;

private:
    std::function<void(int)> m_previous;
};
