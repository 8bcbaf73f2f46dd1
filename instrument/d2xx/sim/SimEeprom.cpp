#include "instrument/d2xx/sim/SimEeprom.h"

#include <algorithm>
#include <cstring>

using namespace d2xx;

namespace sim {
namespace {

bool TakeText(const char* psz, std::size_t nSize, std::string& str)
{
    if (!psz)
        return true;
    const std::size_t n = strnlen(psz, nSize);
    if (n >= nSize)
        return false;
    str.assign(psz, n);
    return true;
}

}  // namespace

void CopyText(const std::string& str, void* pDest, std::size_t nSize)
{
    if (!pDest || nSize == 0)
        return;
    const std::size_t n = std::min(str.size(), nSize - 1);
    std::memcpy(pDest, str.data(), n);
    static_cast<char*>(pDest)[n] = '\0';
}

FT_STATUS CSimEeprom::Read(FT_PROGRAM_DATA* pData) const
{
    if (!pData)
        return FT_INVALID_PARAMETER;
    pData->VendorId = 0;
    pData->ProductId = 0;
    CopyText(m_strManufacturer, pData->Manufacturer, kManufacturerBytes);
    CopyText(m_strManufacturerId, pData->ManufacturerId, kManufacturerIdBytes);
    CopyText(m_strDescription, pData->Description, kDescriptionBytes);
    CopyText(m_strSerial, pData->SerialNumber, kSerialBytes);
    return FT_OK;
}

FT_STATUS CSimEeprom::Program(const FT_PROGRAM_DATA* pData)
{
    if (!pData)
        return FT_INVALID_PARAMETER;
    std::string strManufacturer = m_strManufacturer, strId = m_strManufacturerId;
    std::string strDescription = m_strDescription, strSerial = m_strSerial;
    // Room is left for the channel letter the driver appends.
    if (!TakeText(pData->Manufacturer, kManufacturerBytes, strManufacturer) ||
        !TakeText(pData->ManufacturerId, kManufacturerIdBytes, strId) ||
        !TakeText(pData->Description, kDescriptionBytes - 2, strDescription) ||
        !TakeText(pData->SerialNumber, kSerialBytes - 1, strSerial))
        return FT_EEPROM_WRITE_FAILED;
    m_strManufacturer = strManufacturer;
    m_strManufacturerId = strId;
    m_strDescription = strDescription;
    m_strSerial = strSerial;
    return FT_OK;
}

FT_STATUS CSimEeprom::ReadUserArea(std::uint8_t* pData, std::uint32_t nLength, std::uint32_t* pRead) const
{
    if (pRead)
        *pRead = 0;
    if (nLength > kUserAreaBytes || (nLength > 0 && !pData))
        return FT_INVALID_PARAMETER;
    std::copy_n(m_vecUserArea.begin(), nLength, pData);
    if (pRead)
        *pRead = nLength;
    return FT_OK;
}

FT_STATUS CSimEeprom::WriteUserArea(const std::uint8_t* pData, std::uint32_t nLength)
{
    if (nLength > kUserAreaBytes || (nLength > 0 && !pData))
        return FT_INVALID_PARAMETER;
    std::copy_n(pData, nLength, m_vecUserArea.begin());
    return FT_OK;
}

}  // namespace sim
