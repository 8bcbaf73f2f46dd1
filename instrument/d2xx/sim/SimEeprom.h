#pragma once
// The chip's EEPROM as the simulated driver shows it: one set of texts for both channels,
// to which the driver adds the channel letter, and a small user area.
#include "instrument/d2xx/D2xxApi.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

class CSimEeprom {
public:
    static constexpr std::uint32_t kUserAreaBytes = 64;

    std::string DescriptionOf(int nChannel) const { return m_strDescription + (nChannel == 0 ? " A" : " B"); }
    std::string SerialOf(int nChannel) const { return m_strSerial + (nChannel == 0 ? "A" : "B"); }

    d2xx::FT_STATUS Read(d2xx::FT_PROGRAM_DATA* pData) const;
    // All or nothing: a text too long for its field leaves the EEPROM as it was.
    d2xx::FT_STATUS Program(const d2xx::FT_PROGRAM_DATA* pData);
    d2xx::FT_STATUS ReadUserArea(std::uint8_t* pData, std::uint32_t nLength, std::uint32_t* pRead) const;
    d2xx::FT_STATUS WriteUserArea(const std::uint8_t* pData, std::uint32_t nLength);

private:
    std::string m_strManufacturer = "Vadel";
    std::string m_strManufacturerId = "VD";
    std::string m_strDescription = "Vadel Sim";
    std::string m_strSerial = "VDL0001";
    std::vector<std::uint8_t> m_vecUserArea = std::vector<std::uint8_t>(kUserAreaBytes, 0xFF);
};

// Copies a text into a host buffer of nSize bytes, cut to fit, always terminated.
void CopyText(const std::string& str, void* pDest, std::size_t nSize);

// Sizes of the texts the host's buffers take, terminator included.
inline constexpr std::size_t kSerialBytes = 16;
inline constexpr std::size_t kDescriptionBytes = 64;
inline constexpr std::size_t kManufacturerBytes = 32;
inline constexpr std::size_t kManufacturerIdBytes = 16;

}  // namespace sim
