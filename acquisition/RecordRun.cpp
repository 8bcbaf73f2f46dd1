// The recording thread: channels, then the file, the block stream, and the file finished on
// every way out.
#include "acquisition/CAcquisition.h"
#include "acquisition/CRecordingFile.h"
#include "acquisition/Messages.h"
#include "acquisition/SensorConversions.h"
#include "instrument/BoxProtocol.h"
#include "instrument/CSerialPort.h"
#include "platform/file/CFileException.h"
#include "platform/file/CMemoryException.h"

#include <new>

namespace {

void AddMessage(RUNRESULT& result, const char* pszText)
{
    const QString strText = QString::fromLatin1(pszText);
    if (!result.messages.contains(strText))
        result.messages << strText;
}

}  // namespace

int RecordThreadProc(CAcquisition* pView)
{
    CAcquisition& view = *pView;
    const RUNPARAMS& p = view.m_pRun->params;
    RUNRESULT& result = view.m_pRun->result;

    view.m_bRunning = TRUE;
    view.m_bRecording = TRUE;

    const int n = p.nChannels;
    const int nWords = n * box::kFramesPerBlock;
    int nBlocks = acq::PlannedBlocks(p.nTime, p.nSampleRate);
    result.nPlannedBlocks = nBlocks;

    CSerialPort cmd;
    CSerialPort data;
    // The channels first: a box that is not there must not cost the operator an existing file.
    if (!view.OpenChannels(cmd, data)) {
        AddMessage(result, acq::kMsgCantOpenPorts);
        result.nExitCode = 1;
        cmd.Close();
        data.Close();
        view.ThreadEnded();
        return 1;
    }

    CRecordingFile file;
    if (!file.Open(p.strOutputFile)) {
        AddMessage(result, acq::kMsgFileException);
        cmd.Close();
        data.Close();
        view.ThreadEnded();
        return 0;
    }
    result.bFileOpened = true;

    bool bStreaming = false;
    bool bStreamEnded = false;
    bool bPortFailed = false;
    result.series.Reset();
    try {
        file.Begin(n, p.nSampleRate, nBlocks);
        cmd.EnableExceptions();
        data.EnableExceptions();
        bStreaming = true;
        box::StreamStart(cmd, data, p.bBuzzer != FALSE, p.nChannelMask);

        for (int i = 0; i < nBlocks; ++i) {
            view.m_nBlock.store(i, std::memory_order_relaxed);
            if (view.m_blockObserver)
                view.m_blockObserver(i);
            data.ReadBlock(g_wBlockBuffer, box::BlockBytes(n));
            box::SwapWords(g_wBlockBuffer, nWords + 1);
            const std::uint16_t wSensor = g_wBlockBuffer[nWords];
            if (i % 2)
                view.m_nSensor2Raw.store(wSensor, std::memory_order_relaxed);
            else
                view.m_nSensor1Raw.store(wSensor, std::memory_order_relaxed);
            result.series.Record(i, wSensor);
            file.WriteBlock(g_wBlockBuffer, static_cast<DWORD>(2 * nWords));
            if (view.m_bStop.exchange(FALSE)) {
                nBlocks = i + 1;
                break;
            }
        }

        bStreaming = false;
        box::StreamStop(cmd, data);
        view.m_nBlock = 0;
        result.series.Finish(nBlocks, p.dSensor1At4mA, p.dSensor1At20mA, p.dSensor2At4mA, p.dSensor2At20mA);
        bStreamEnded = true;
    } catch (const CMemoryException&) {
        AddMessage(result, acq::kMsgMemoryException);
    } catch (const std::bad_alloc&) {
        AddMessage(result, acq::kMsgMemoryException);
    } catch (const CFileException&) {
        AddMessage(result, acq::kMsgFileException);
    } catch (int) {
        AddMessage(result, acq::kMsgSerialPortException);
        bPortFailed = true;
    }

    if (bStreaming) {
        // The box itself is fine after a file or memory failure: end its stream properly.
        if (bPortFailed) {
            box::StreamAbort(cmd, data);
        } else {
            try {
                box::StreamStop(cmd, data);
            } catch (int) {
                box::StreamAbort(cmd, data);
            }
        }
    }
    view.m_nBlock = 0;
    cmd.Close();
    data.Close();

    try {
        file.Finish(p.strSignalName);
    } catch (const CFileException&) {
        AddMessage(result, acq::kMsgFileException);
        bStreamEnded = false;
    }
    result.nBlocks = file.BlocksWritten();
    result.bTrailer = file.TrailerWritten();
    result.bCompleted = bStreamEnded;

    view.ThreadEnded();
    return 0;
}
