#pragma once
// One channel of the box's dual-channel USB chip, opened by driver device index.
#include "instrument/d2xx/D2xxApi.h"
#include "platform/Types.h"

#include <string>

class CSerialPort {
public:
    CSerialPort();
    // Uses the given driver table instead of the active one (scripted fakes in tests).
    explicit CSerialPort(const d2xx::D2XX_API& api);
    ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // 0 success, 1 no such device / open-by-text failed, 2 open failed. The third
    // argument is accepted and ignored.
    int OpenByIndex(int nIndex, int nBaudRate, int nUnused);
    int OpenBySerialNumber(const char* pszSerial, int nBaudRate, int nUnused);
    int OpenByDescription(const char* pszDescription, int nBaudRate, int nUnused);
    void Close();

    void SetTimeouts(int nReadMs, int nWriteMs);
    void SetFlowControlRtsCts();
    void SetFlowControlNone();

    void WriteByte(char byte, char* pAnswer);
    void WriteBlock(const char* pData, int nLength, char* pAnswers);
    void WriteBytewise(const char* pData, int nLength, char* pAnswers);
    void WriteString(const char* pszText, char* pAnswers);
    unsigned char ReadByte();
    d2xx::FT_STATUS ReadBlock(void* pBuffer, int nLength);
    int ReadLine(char* pBuffer, char chTerminator, int nMaxCount);

    int Purge();
    int GetQueueStatus();
    void SetRts(bool bOn);

    void EnableExceptions();
    void DisableExceptions();
    static std::string ErrorText(int nError);

    int ReadDescription(std::string& strDescription);
    int ReadSerialNumber(std::string& strSerial);
    int ReadManufacturer(std::string& strManufacturer, std::string& strManufacturerId);
    int ProgramDescription(const char* pszText);
    int ProgramSerialNumber(const char* pszText);
    int ProgramManufacturer(const char* pszManufacturer, const char* pszManufacturerId);
    int GetUserAreaSize();
    int WriteUserArea(void* pData, int nLength);
    int ReadUserArea(void* pBuffer, int nLength);

    bool IsOpen() const { return m_bOpen != FALSE; }

private:
    int Configure(int nBaudRate);

    const d2xx::D2XX_API* m_pApi;  // fixed at construction: one object never mixes back ends
    d2xx::FT_STATUS m_ftStatus;
    d2xx::FT_HANDLE m_ftHandle;
    BOOL m_bOpen;
    BOOL m_bExceptions;
};
