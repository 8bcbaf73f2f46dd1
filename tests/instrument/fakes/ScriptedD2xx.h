#pragma once
// A driver call table that records every call with its arguments and answers from a script.
// One scripted table is live at a time (the table's plain function pointers reach it).
#include "instrument/d2xx/D2xxApi.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CScriptedD2xx {
public:
    static constexpr std::uintptr_t kHandle = 0x5EED;
    // Device index 0 gets its own handle, so an exchange over two ports shows which channel
    // each call went to.
    static constexpr std::uintptr_t kCommandHandle = 0xC0DE;

    CScriptedD2xx();
    ~CScriptedD2xx();
    CScriptedD2xx(const CScriptedD2xx&) = delete;
    CScriptedD2xx& operator=(const CScriptedD2xx&) = delete;

    const d2xx::D2XX_API& Api() const { return m_api; }

    // Calls as "Name(arg,arg,...)", handles shown as "cmd" (index 0), "h" (any other) or their number.
    std::vector<std::string> m_calls;
    std::vector<std::string> CallsNamed(const std::string& strName) const;
    void ClearCalls() { m_calls.clear(); }

    // Status answered by a call, by its short name ("Open", "Read", ...); FT_OK when unset.
    std::map<std::string, d2xx::FT_STATUS> m_results;
    // Bytes the chip delivers; a read gets what is left, up to its count (less = a timeout).
    std::string m_strRx;
    // Bytes each write accepts at most (fewer than asked = a failed write).
    std::uint32_t m_nWriteAccept = 0xFFFFFFFF;
    std::string m_strTx;
    std::uint32_t m_nQueued = 0;
    std::uint32_t m_nDevices = 2;

    // EEPROM content the read fills in; the last programmed texts (null pointers as "<null>").
    std::string m_strManufacturer = "Maker", m_strManufacturerId = "MK", m_strDescription = "Box A",
                m_strSerial = "SN1234A";
    std::vector<std::string> m_programmed;
    std::vector<std::uint8_t> m_userArea = std::vector<std::uint8_t>(64, 0);

    d2xx::FT_STATUS Result(const std::string& strName) const;
    void Record(std::string strCall) { m_calls.push_back(std::move(strCall)); }

private:
    d2xx::D2XX_API m_api;
};
