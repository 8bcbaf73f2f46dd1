// vadel-probe: checks the link to the box (or the simulated box) from the command line.
#include "tools/probe/Probe.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vadel-probe");

    // The parser knows no option with an optional value: a bare --simulate means the defaults.
    QStringList args = app.arguments();
    for (QString& arg : args) {
        if (arg == "--simulate" || arg == "-simulate")
            arg = "--simulate=";
    }

    QCommandLineParser parser;
    parser.setApplicationDescription("Reads the sensors of the box and streams a few blocks from it.");
    parser.addHelpOption();
    parser.addOption({"simulate", "Use the simulated box, with comma-separated OPTIONS (fast, silent, absent, "
                                  "stall=K, loop1=MA, loop2=MA, temp=C). VADEL_SIMULATE does the same.",
                      "OPTIONS"});
    parser.addOption({"blocks", "Stream N blocks (default 366, about 3 s).", "N", "366"});
    parser.addOption({"mics", "Microphones to stream, e.g. 1,2,6 (default all six).", "LIST", "1,2,3,4,5,6"});
    if (!parser.parse(args)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet("help"))
        parser.showHelp(0);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "Unexpected argument: %s\n", qPrintable(parser.positionalArguments().first()));
        return 2;
    }

    PROBESETTINGS settings;
    if (parser.isSet("simulate"))
        settings.strSimulate = parser.value("simulate").toStdString();
    bool bOk = false;
    settings.nBlocks = parser.value("blocks").toInt(&bOk);
    if (!bOk || settings.nBlocks < 0) {
        std::fprintf(stderr, "--blocks needs a number of blocks, 0 or more\n");
        return 2;
    }
    if (!ParseMicList(parser.value("mics").toStdString(), settings.bMic)) {
        std::fprintf(stderr, "--mics needs microphone numbers from 1 to 6, e.g. 1,2,6\n");
        return 2;
    }
    return RunProbe(settings, stdout, stderr);
}
