#include "tools/cli/WaveInfo.h"

#include "platform/file/CFile.h"
#include "wavefile/CWaveFile.h"
#include "wavefile/WaveFormat.h"

#include <QFile>

#include <algorithm>

namespace cli {

namespace {

constexpr int kMaxChunksPerKind = 1000;
// Names come from a settings field; anything longer is not a name trailer.
constexpr DWORD kMaxTrailerBytes = 6 * 4096;

// Identifiers a WAV reader acts on when it meets them where a chunk may start.
constexpr const char* kRiffChunkIds[] = {"data", "RIFF", "RF64", "PEAK", "bext", "fmt ", "LIST",
                                         "fact", "cue ", "JUNK", "smpl", "inst", "id3 ", "iXML",
                                         "cart", "ds64"};

QByteArray FourCCBytes(DWORD dwId)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(dwId >> (8 * i));
    return bytes;
}

QString OpenFailure(const std::string& strPath)
{
    CFile probe;
    CFileException error(CFileException::none, 0, strPath);
    if (!probe.Open(strPath, CFile::modeRead | CFile::typeBinary | CFile::shareDenyNone, &error))
        return QString::fromStdString(error.GetErrorMessage());
    return QStringLiteral("'%1' is in use by another program (a recording in progress?).")
        .arg(QString::fromStdString(strPath));
}

void ReadTrailer(CWaveFile& wave, WAVEINFO& info)
{
    const std::uint64_t qwDataEnd = wavefmt::kHeaderSize + std::uint64_t(info.dwDataSize);
    if (qwDataEnd >= info.qwLength)
        return;
    const DWORD dwAvail = static_cast<DWORD>(std::min<std::uint64_t>(info.qwLength - qwDataEnd,
                                                                      kMaxTrailerBytes));
    QByteArray bytes(static_cast<qsizetype>(dwAvail), '\0');
    DWORD dwRead = 0;
    wave.SeekData(info.dwDataSize);
    wave.Read(bytes.data(), dwAvail, &dwRead);
    bytes.truncate(dwRead);
    info.trailerHead = bytes.left(4);

    qsizetype nStart = 0;
    while (info.names.size() < 6) {
        const qsizetype nZero = bytes.indexOf('\0', nStart);
        if (nZero < 0)
            break;
        info.names << QString::fromUtf8(bytes.mid(nStart, nZero - nStart));
        nStart = nZero + 1;
    }
    info.bTrailerComplete = info.names.size() == 6;
    info.qwTrailerLength = info.bTrailerComplete ? std::uint64_t(nStart) : 0;
}

template <class F>
void ReadChunks(DWORD dwId, F&& readNext, WAVEINFO& info)
{
    for (int i = 0;; ++i) {
        WAVECHUNK chunk;
        chunk.dwId = dwId;
        if (!readNext(chunk))
            return;
        if (i == kMaxChunksPerKind) {
            info.bChunksCut = true;
            return;
        }
        info.chunks.push_back(chunk);
    }
}

void ReadAllChunks(CWaveFile& wave, WAVEINFO& info)
{
    char szText[wavefmt::kMaxChunkText + 1];
    wave.RewindChannelChunks();
    ReadChunks(wavefmt::kChannelChunkId, [&](WAVECHUNK& c) {
        if (wave.ReadChannelChunk(c.nInt1, c.dReal[0], c.dReal[1], c.dReal[2], c.nInt2, c.nInt3,
                                  szText) != 0)
            return false;
        c.strText = QString::fromUtf8(szText);
        c.dwEnd = wave.GetChannelChunkPos();
        return true;
    }, info);
    wave.RewindMarkChunks();
    ReadChunks(wavefmt::kMarkChunkId, [&](WAVECHUNK& c) {
        if (wave.ReadMarkChunk(c.nInt1, c.nInt2, szText) != 0)
            return false;
        c.strText = QString::fromUtf8(szText);
        c.dwEnd = wave.GetMarkChunkPos();
        return true;
    }, info);
    wave.RewindUserMarkChunks();
    ReadChunks(wavefmt::kUserMarkChunkId, [&](WAVECHUNK& c) {
        if (wave.ReadUserMarkChunk(c.dwCount, c.nInt1, c.nValue, szText) != 0)
            return false;
        c.strText = QString::fromUtf8(szText);
        c.dwEnd = wave.GetUserMarkChunkPos();
        return true;
    }, info);
}

void CheckSizes(WAVEINFO& info)
{
    const std::uint64_t qwDataEnd = wavefmt::kHeaderSize + std::uint64_t(info.dwDataSize);
    if (info.dwFmtId != wavefmt::kFmtId || info.dwDataId != wavefmt::kDataId ||
        info.dwFmtSize != wavefmt::kFmtChunkSize)
        info.warnings << QStringLiteral(
            "The header is not the plain 44-byte layout (\"fmt \" of 16 bytes at 12, \"data\" at "
            "36); the fields below are read as if it were.");
    if (std::uint64_t(info.dwRiffSize) != std::uint64_t(info.dwDataSize) + 36)
        info.warnings << QStringLiteral("The RIFF size %1 does not match the data size %2 "
                                        "(expected %3).")
                             .arg(info.dwRiffSize)
                             .arg(info.dwDataSize)
                             .arg(std::uint64_t(info.dwDataSize) + 36);
    if (qwDataEnd > info.qwLength)
        info.warnings << QStringLiteral("The declared data ends at byte %1 but the file is only "
                                        "%2 bytes long: the recording was cut short.")
                             .arg(qwDataEnd)
                             .arg(info.qwLength);
    if (info.wBlockAlign != 0 && info.dwDataSize % info.wBlockAlign != 0)
        info.warnings << QStringLiteral("The data size %1 is not a whole number of %2-byte frames.")
                             .arg(info.dwDataSize)
                             .arg(info.wBlockAlign);
    if (qwDataEnd < info.qwLength && !info.bTrailerComplete && !info.bChunksAfterData)
        info.warnings << QStringLiteral("The signal names after the data are incomplete (%1 of 6 "
                                        "found).")
                             .arg(info.names.size());
    const std::uint64_t qwAccounted = qwDataEnd + info.qwTrailerLength;
    if (info.bTrailerComplete && qwAccounted < info.qwLength && info.chunks.empty())
        info.warnings << QStringLiteral("%1 bytes after the signal names are not accounted for.")
                             .arg(info.qwLength - qwAccounted);
    if (info.trailerHead.size() == 4) {
        for (const char* pszId : kRiffChunkIds) {
            if (info.trailerHead == QByteArray(pszId, 4) && !info.names.isEmpty()) {
                info.warnings << QStringLiteral(
                                     "The first signal name \"%1\" begins with the RIFF chunk "
                                     "identifier \"%2\": WAV readers may take the names for a "
                                     "chunk, and some refuse the file.")
                                     .arg(info.names.first(), QString::fromLatin1(pszId, 4));
                break;
            }
        }
    }
}

}  // namespace

QString FourCCText(DWORD dwId)
{
    QString str;
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<unsigned char>(dwId >> (8 * i));
        str += (c >= 0x20 && c < 0x7F) ? QString(QChar(c))
                                       : QStringLiteral("\\x%1").arg(c, 2, 16, QChar('0'));
    }
    return str;
}

bool ReadWaveInfo(const QString& strPath, WAVEINFO& info, QString& strError)
{
    const std::string strNative = QFile::encodeName(strPath).toStdString();
    CWaveFile wave;
    if (!wave.OpenRead(strNative)) {
        strError = OpenFailure(strNative);
        return false;
    }
    try {
        info.qwLength = wave.GetLength();
        const bool bWhole = wave.ReadHeader() == 0;
        info.dwRiffId = wave.GetRiffId();
        info.dwWaveId = wave.GetWaveId();
        if (!bWhole || info.dwRiffId != wavefmt::kRiffId || info.dwWaveId != wavefmt::kWaveId) {
            strError = QStringLiteral("'%1' is not a WAV file: %2").arg(strPath,
                !bWhole ? QStringLiteral("%1 bytes are fewer than the 44 bytes of a header.")
                              .arg(info.qwLength)
                        : QStringLiteral("it does not begin with \"RIFF\" and \"WAVE\"."));
            return false;
        }
        info.dwRiffSize = wave.GetRiffSize();
        info.dwFmtId = wave.GetFmtId();
        info.dwFmtSize = wave.GetFmtSize();
        info.wFormatTag = wave.GetFormatTag();
        info.wChannels = wave.GetChannels();
        info.dwSampleRate = wave.GetSampleRate();
        info.dwByteRate = wave.GetByteRate();
        info.wBlockAlign = wave.GetBlockAlign();
        info.wBitsPerSample = wave.GetBitsPerSample();
        info.dwDataId = wave.GetDataId();
        info.dwDataSize = wave.GetDataSize();
        info.dwFrames = wave.GetFrames();
        ReadTrailer(wave, info);
        ReadAllChunks(wave, info);
        // Chunks written straight after the samples take the place of the names.
        for (const DWORD dwId : {wavefmt::kChannelChunkId, wavefmt::kMarkChunkId,
                                 wavefmt::kUserMarkChunkId}) {
            if (!info.chunks.empty() && info.trailerHead == FourCCBytes(dwId)) {
                info.names.clear();
                info.bTrailerComplete = false;
                info.qwTrailerLength = 0;
                info.bChunksAfterData = true;
            }
        }
        CheckSizes(info);
        wave.Close();
    } catch (const CFileException& e) {
        strError = QStringLiteral("Cannot read '%1': %2")
                       .arg(strPath, QString::fromStdString(e.GetErrorMessage()));
        return false;
    }
    return true;
}

}  // namespace cli
