#include "instrument/BoxProtocol.h"

#include "instrument/CSerialPort.h"
#include "platform/Sleep.h"

namespace box {

int ChannelMask(const BOOL bMic[kMics])
{
    int nMask = 0;
    for (int i = 0; i < kMics; ++i) {
        if (bMic[i])
            nMask |= 1 << i;
    }
    return nMask;
}

int ChannelCount(const BOOL bMic[kMics])
{
    int n = 0;
    for (int i = 0; i < kMics; ++i)
        n += bMic[i] ? 1 : 0;
    return n;
}

void SendByte(CSerialPort& cmd, CSerialPort& data, char byte)
{
    cmd.WriteByte(byte, nullptr);
    // The answer only paces the exchange; its value means nothing to us.
    data.ReadByte();
}

void SendCommand(CSerialPort& cmd, CSerialPort& data, char command)
{
    SendByte(cmd, data, kPrefix);
    SendByte(cmd, data, command);
}

unsigned ReadWord(CSerialPort& data)
{
    const unsigned nHigh = data.ReadByte();
    const unsigned nLow = data.ReadByte();
    return nHigh * 256 + nLow;
}

unsigned QuerySensor(CSerialPort& cmd, CSerialPort& data, char command)
{
    SendCommand(cmd, data, command);
    return ReadWord(data);
}

static void SendBuzzerAndMask(CSerialPort& cmd, CSerialPort& data, bool bBuzzer, int nMask)
{
    SendCommand(cmd, data, bBuzzer ? kBuzzerOn : kBuzzerOff);
    SendCommand(cmd, data, kSelectMask);
    SendByte(cmd, data, static_cast<char>(nMask & 0xFF));
}

void CaptureBegin(CSerialPort& cmd, CSerialPort& data, bool bBuzzer, int nMask)
{
    SendBuzzerAndMask(cmd, data, bBuzzer, nMask);
    SendCommand(cmd, data, kCapture);
}

void CaptureEnd(CSerialPort& cmd, CSerialPort& data) { SendCommand(cmd, data, kBuzzerOff); }

void StreamStart(CSerialPort& cmd, CSerialPort& data, bool bBuzzer, int nMask)
{
    platform::Sleep(kStreamSettleMs);
    cmd.Purge();
    data.Purge();
    SendBuzzerAndMask(cmd, data, bBuzzer, nMask);
    data.SetRts(true);
    SendCommand(cmd, data, kStream);
}

void StreamStop(CSerialPort& cmd, CSerialPort& data)
{
    data.SetRts(false);
    cmd.WriteByte(kEsc, nullptr);
    // What the box sent before it saw ESC is still on its way; let it land, then drop it.
    platform::Sleep(kStreamSettleMs);
    data.Purge();
    SendCommand(cmd, data, kBuzzerOff);
}

void StreamAbort(CSerialPort& cmd, CSerialPort& data)
{
    cmd.DisableExceptions();
    data.DisableExceptions();
    data.SetRts(false);
    cmd.WriteByte(kEsc, nullptr);
}

void SwapWords(std::uint16_t* pWords, int nWords)
{
    for (int i = 0; i < nWords; ++i)
        pWords[i] = static_cast<std::uint16_t>((pWords[i] >> 8) | (pWords[i] << 8));
}

}  // namespace box
