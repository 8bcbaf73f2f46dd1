// "Test ADC data": 256 frames of the selected microphones into the capture buffer.
#include "acquisition/CAcquisition.h"
#include "acquisition/Messages.h"
#include "instrument/BoxProtocol.h"
#include "instrument/CSerialPort.h"

#include <cstdint>

void CAcquisition::OnTestAdcData()
{
    m_host.UpdateData(true);  // a rejected time field does not stop a capture
    SelectChannels();

    // Read into a local image first: a failed capture must leave the plot as it was.
    double dCapture[kCaptureRows][kCaptureColumns];
    const int n = m_nChannels;
    const char* pszFailure = Exchange([&](CSerialPort& cmd, CSerialPort& data) {
        box::CaptureBegin(cmd, data, m_bBuzzer != FALSE, m_nChannelMask);
        for (int f = 0; f < box::kCaptureFrames; ++f)
            for (int j = 0; j < n; ++j)
                dCapture[j][f] = static_cast<std::int16_t>(box::ReadWord(data));
        box::CaptureEnd(cmd, data);
    });
    if (pszFailure) {
        m_host.MessageBox(QString::fromLatin1(pszFailure));
        return;
    }
    for (int j = 0; j < n; ++j)
        for (int f = 0; f < kCaptureColumns; ++f)
            g_dCapture[j][f] = dCapture[j][f];
    m_host.Invalidate();
}
