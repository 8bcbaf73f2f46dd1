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

void CAcquisition::OnGo()
{
    unsigned nRaw1 = 0;
    unsigned nRaw2 = 0;
    unsigned nRawT = 0;
    const char* pszFailure = nullptr;
    {
        CSerialPort cmd;
        CSerialPort data;
        if (!OpenChannels(cmd, data)) {
            pszFailure = acq::kMsgCantOpenPorts;
        } else {
            // A silent box would otherwise cost 2 s per byte and show 65535 as a reading.
            cmd.EnableExceptions();
            data.EnableExceptions();
            try {
                nRaw1 = box::QuerySensor(cmd, data, box::kQuerySensor1);
                nRaw2 = box::QuerySensor(cmd, data, box::kQuerySensor2);
                nRawT = box::QuerySensor(cmd, data, box::kQueryBoardTemp);
            } catch (int) {
                pszFailure = acq::kMsgSerialPortException;
            }
        }
    }  // channels closed before any message box
    if (pszFailure) {
        m_host.MessageBox(QString::fromLatin1(pszFailure));
        return;
    }
    m_strSensor1 = acq::FormatSensor1(acq::SensorValue(nRaw1, m_dSensor1At4mA, m_dSensor1At20mA));
    m_strSensor2 = acq::FormatSensor2(acq::SensorValue(nRaw2, m_dSensor2At4mA, m_dSensor2At20mA));
    m_strBoardTemp = acq::FormatBoardTemp(acq::BoardTemperature(nRawT));
    m_host.UpdateData(false);
}
