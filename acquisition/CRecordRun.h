#pragma once
// One recording run: what "Start" fixed for it, and what it left for the GUI thread.
#include "acquisition/CSensorSeries.h"
#include "platform/Types.h"

#include <QString>
#include <QStringList>

class CAcquisition;

// Copied from the members when the run starts, so the thread shares no text or setting
// with the GUI thread ("Browse" may change the output name during a run).
struct RUNPARAMS {
    QString strOutputFile;
    QString strSignalName[6];
    BOOL bBuzzer = FALSE;
    int nChannelMask = 0;
    int nChannels = 0;
    int nTime = 1;
    int nSampleRate = 31250;
    double dSensor1At4mA = 0.0;
    double dSensor1At20mA = 1.0;
    double dSensor2At4mA = 0.0;
    double dSensor2At20mA = 1.0;
};

// Written by the recording thread, read by the GUI thread only after joining it.
struct RUNRESULT {
    int nExitCode = 0;          // 1 when the channels could not be opened
    QStringList messages;       // message boxes to show, in order
    bool bFileOpened = false;   // the output file was created
    bool bCompleted = false;    // the stream ended as planned or by "Stop"
    int nPlannedBlocks = 0;
    int nBlocks = 0;            // whole blocks in the file
    bool bTrailer = false;      // the signal names follow the samples
    CSensorSeries series;
};

struct CRecordRun {
    RUNPARAMS params;
    RUNRESULT result;
};

// The thread's body: opens the channels, then the file, streams, finishes the file.
// Returns 1 when the channels cannot be opened, else 0.
int RecordThreadProc(CAcquisition* pView);
