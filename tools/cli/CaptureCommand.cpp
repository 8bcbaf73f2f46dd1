// vadel-cli capture: one test capture, its figures per channel, and optionally the samples
// as CSV and the plot as PNG.
#include "acquisition/CAcquisition.h"
#include "chart/CapturePlotPng.h"
#include "tools/cli/CCliHost.h"
#include "tools/cli/CliBox.h"
#include "tools/cli/CliCommand.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <algorithm>

namespace cli {

namespace {

constexpr int kPngWidth = 1000;
constexpr int kPngHeight = 600;

bool WriteCsv(const QString& strPath, int nChannels, QString& strError)
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        strError = file.errorString();
        return false;
    }
    QTextStream csv(&file);
    csv << "frame";
    for (int j = 0; j < nChannels; ++j)
        csv << ",channel " << (j + 1);
    csv << "\n";
    for (int f = 0; f < kCaptureColumns; ++f) {
        csv << f;
        for (int j = 0; j < nChannels; ++j)
            csv << "," << static_cast<int>(g_dCapture[j][f]);
        csv << "\n";
    }
    csv.flush();
    if (!file.commit()) {
        strError = file.errorString();
        return false;
    }
    return true;
}

}  // namespace

int RunCapture(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Takes a test capture of 256 frames of the selected microphones."));
    const QCommandLineOption mics = MicsOption();
    const QCommandLineOption buzzer(QStringLiteral("buzzer"), QStringLiteral("Sound the buzzer during the capture."));
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("Write the samples to a CSV file."),
                                 QStringLiteral("file"));
    const QCommandLineOption png(QStringLiteral("png"), QStringLiteral("Draw the capture plot into a PNG file."),
                                 QStringLiteral("file"));
    parser.addOptions({mics, buzzer, csv, png});
    if (const int nExit = ParseArguments(parser, args, out, err); nExit >= 0)
        return nExit;

    CCliHost host(err);
    if (const int nExit = TakeSelection(parser, mics, buzzer, args, err, host); nExit >= 0)
        return nExit;
    if (parser.isSet(png) && !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << args.value(0) << ": --png needs the program's graphics support, which is not running.\n";
        return kExitFailure;
    }
    if (!SelectBox(err))
        return kExitFailure;

    CSettingsStore store(true);
    CAcquisition acq(host, &store);
    host.Attach(&acq);
    acq.OnTestAdcData();
    if (!host.m_messages.isEmpty())
        return kExitFailure;

    const int n = acq.m_nChannels;
    for (int j = 0; j < n; ++j) {
        const double* pRow = g_dCapture[j];
        const auto [pMin, pMax] = std::minmax_element(pRow, pRow + kCaptureColumns);
        double dSum = 0.0;
        for (int f = 0; f < kCaptureColumns; ++f)
            dSum += pRow[f];
        out << "Channel " << (j + 1) << ": min " << static_cast<int>(*pMin) << ", max "
            << static_cast<int>(*pMax) << ", mean " << QString::number(dSum / kCaptureColumns, 'f', 1) << "\n";
    }

    QString strError;
    if (parser.isSet(csv) && !WriteCsv(parser.value(csv), n, strError)) {
        err << "Can't write " << parser.value(csv) << ": " << strError << "\n";
        return kExitFailure;
    }
    if (parser.isSet(png) &&
        !SaveCapturePlotPng(parser.value(png).toStdString(), kPngWidth, kPngHeight,
                            g_dCapture, n, acq.m_nSampleRate)) {
        err << "Can't write " << parser.value(png) << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace cli
