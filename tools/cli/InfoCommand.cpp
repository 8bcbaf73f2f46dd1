// vadel-cli info FILE: everything a recording file declares and carries.
#include "tools/cli/CliCommand.h"
#include "tools/cli/WaveInfo.h"

#include "wavefile/WaveFormat.h"

namespace cli {

namespace {

QString Quoted(const QString& str)
{
    QString strOut = QStringLiteral("\"");
    for (const QChar c : str) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            strOut += QLatin1Char('\\') + QString(c);
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            strOut += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar('0'));
        else
            strOut += c;
    }
    return strOut + QLatin1Char('"');
}

void PrintHeader(const WAVEINFO& info, QTextStream& out)
{
    out << "Length:          " << info.qwLength << " bytes\n"
        << "RIFF:            \"" << FourCCText(info.dwRiffId) << "\", size " << info.dwRiffSize
        << ", form \"" << FourCCText(info.dwWaveId) << "\"\n"
        << "Format chunk:    \"" << FourCCText(info.dwFmtId) << "\", size " << info.dwFmtSize
        << "\n"
        << "Format tag:      " << info.wFormatTag
        << (info.wFormatTag == wavefmt::kFormatPcm ? " (PCM)" : "") << "\n"
        << "Channels:        " << info.wChannels << "\n"
        << "Sample rate:     " << info.dwSampleRate << " frames/s\n"
        << "Byte rate:       " << info.dwByteRate << " bytes/s\n"
        << "Block align:     " << info.wBlockAlign << " bytes\n"
        << "Bits per sample: " << info.wBitsPerSample << "\n"
        << "Data chunk:      \"" << FourCCText(info.dwDataId) << "\", size " << info.dwDataSize
        << " bytes\n"
        << "Frames:          " << info.dwFrames << "\n"
        << "Duration:        ";
    if (info.dwSampleRate == 0)
        out << "unknown (sample rate 0)\n";
    else
        out << QString::number(double(info.dwFrames) / info.dwSampleRate, 'f', 6) << " s\n";
}

void PrintNames(const WAVEINFO& info, QTextStream& out)
{
    out << "Signal names:";
    if (info.names.isEmpty()) {
        out << (info.bChunksAfterData ? "    none (extension chunks follow the data)\n"
                                      : "    none\n");
        return;
    }
    out << "\n";
    for (qsizetype i = 0; i < info.names.size(); ++i)
        out << "  " << (i + 1) << ": " << Quoted(info.names[i]) << "\n";
}

void PrintChunks(const WAVEINFO& info, QTextStream& out)
{
    out << "Extension chunks:";
    if (info.chunks.empty()) {
        out << " none\n";
        return;
    }
    out << "\n";
    for (const WAVECHUNK& c : info.chunks) {
        out << "  \"" << FourCCText(c.dwId) << "\" ending at byte " << c.dwEnd << ": ";
        if (c.dwId == wavefmt::kChannelChunkId)
            out << "integer 1 = " << c.nInt1 << ", reals = " << c.dReal[0] << ", " << c.dReal[1]
                << ", " << c.dReal[2] << ", integer 2 = " << c.nInt2 << ", integer 3 = " << c.nInt3
                << ", name " << Quoted(c.strText) << "\n";
        else if (c.dwId == wavefmt::kMarkChunkId)
            out << "integer 1 = " << c.nInt1 << ", integer 2 = " << c.nInt2 << ", text "
                << Quoted(c.strText) << "\n";
        else
            out << c.dwCount << " value(s), integer 1 = " << c.nInt1 << ", first value = "
                << c.nValue << ", text " << Quoted(c.strText) << "\n";
    }
    if (info.bChunksCut)
        out << "  (more chunks not listed)\n";
}

}  // namespace

int RunInfo(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the header of a recording file, its frame count and duration, the six signal "
        "names after the samples and every extension chunk. Warns about sizes that disagree "
        "with the file and names that WAV readers may misread."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The WAV file."));
    if (const int nExit = ParseArguments(parser, args, out, err); nExit >= 0)
        return nExit;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        err << args.value(0) << ": " << (files.isEmpty() ? "no FILE given" : "one FILE only")
            << ".\n" << HelpText(parser, args.value(0));
        return kExitUsage;
    }

    WAVEINFO info;
    QString strError;
    if (!ReadWaveInfo(files.first(), info, strError)) {
        err << args.value(0) << ": " << strError << "\n";
        return kExitFailure;
    }
    out << "File:            " << files.first() << "\n";
    PrintHeader(info, out);
    PrintNames(info, out);
    PrintChunks(info, out);
    out.flush();
    for (const QString& strWarning : info.warnings)
        err << "warning: " << strWarning << "\n";
    return kExitOk;
}

}  // namespace cli
