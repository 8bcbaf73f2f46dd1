#pragma once
// What a recording file holds, gathered through CWaveFile for the info command.
#include "platform/Types.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace cli {

struct WAVECHUNK {
    DWORD dwId = 0;
    int nInt1 = 0;
    int nInt2 = 0;
    int nInt3 = 0;
    double dReal[3] = {};
    DWORD dwCount = 0;  // "umrk": number of values
    int nValue = 0;     // "umrk": first value
    QString strText;
    DWORD dwEnd = 0;  // file offset just after the chunk as read
};

struct WAVEINFO {
    std::uint64_t qwLength = 0;
    DWORD dwRiffId = 0, dwRiffSize = 0, dwWaveId = 0, dwFmtId = 0, dwFmtSize = 0;
    WORD wFormatTag = 0, wChannels = 0;
    DWORD dwSampleRate = 0, dwByteRate = 0;
    WORD wBlockAlign = 0, wBitsPerSample = 0;
    DWORD dwDataId = 0, dwDataSize = 0, dwFrames = 0;

    QStringList names;  // the signal names found after the data, up to six
    bool bTrailerComplete = false;
    std::uint64_t qwTrailerLength = 0;
    QByteArray trailerHead;  // the first bytes after the data, as a reader sees them
    bool bChunksAfterData = false;  // extension chunks, not names, follow the data

    std::vector<WAVECHUNK> chunks;
    bool bChunksCut = false;  // more chunks than listed

    QStringList warnings;
};

// Fills info from the file. False with strError set when the file cannot be read or is not
// a WAV file; raises nothing.
bool ReadWaveInfo(const QString& strPath, WAVEINFO& info, QString& strError);

// "RIFF" from its 32-bit value, with bytes outside printable ASCII escaped.
QString FourCCText(DWORD dwId);

}  // namespace cli
