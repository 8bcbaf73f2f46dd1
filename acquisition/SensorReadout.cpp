// "Go": the three slow inputs read once and shown as texts.
#include "acquisition/CAcquisition.h"
#include "acquisition/Messages.h"
#include "acquisition/SensorConversions.h"
#include "instrument/BoxProtocol.h"
#include "instrument/CSerialPort.h"

bool CAcquisition::OpenChannels(CSerialPort& cmd, CSerialPort& data)
{
    if (cmd.OpenByIndex(box::kCommandIndex, box::kBaudRate, box::kOpenUnused) != 0)
        return false;
    return data.OpenByIndex(box::kDataIndex, box::kBaudRate, box::kOpenUnused) == 0;
}

const char* CAcquisition::Exchange(const std::function<void(CSerialPort&, CSerialPort&)>& body)
{
    CSerialPort cmd;
    CSerialPort data;
    if (!OpenChannels(cmd, data))
        return acq::kMsgCantOpenPorts;
    // A silent box would otherwise cost 2 s per byte and show its 255s as data.
    cmd.EnableExceptions();
    data.EnableExceptions();
    try {
        body(cmd, data);
    } catch (int) {
        return acq::kMsgSerialPortException;
    }
    return nullptr;
}

void CAcquisition::OnGo()
{
    unsigned nRaw1 = 0;
    unsigned nRaw2 = 0;
    unsigned nRawT = 0;
    const char* pszFailure = Exchange([&](CSerialPort& cmd, CSerialPort& data) {
        nRaw1 = box::QuerySensor(cmd, data, box::kQuerySensor1);
        nRaw2 = box::QuerySensor(cmd, data, box::kQuerySensor2);
        nRawT = box::QuerySensor(cmd, data, box::kQueryBoardTemp);
    });
    if (pszFailure) {
        m_host.MessageBox(QString::fromLatin1(pszFailure));
        return;
    }
    m_strSensor1 = acq::FormatSensor1(acq::SensorValue(nRaw1, m_dSensor1At4mA, m_dSensor1At20mA));
    m_strSensor2 = acq::FormatSensor2(acq::SensorValue(nRaw2, m_dSensor2At4mA, m_dSensor2At20mA));
    m_strBoardTemp = acq::FormatBoardTemp(acq::BoardTemperature(nRawT));
    m_host.UpdateData(false);
}
