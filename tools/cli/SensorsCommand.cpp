// vadel-cli sensors: the three slow inputs, as "Go" shows them.
#include "acquisition/CAcquisition.h"
#include "tools/cli/CCliHost.h"
#include "tools/cli/CliBox.h"
#include "tools/cli/CliCommand.h"

namespace cli {

int RunSensors(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads the board temperature and the two current-loop sensors once, "
                       "scaled with the per-user settings."));
    if (const int nExit = ParseArguments(parser, args, out, err); nExit >= 0)
        return nExit;
    if (!parser.positionalArguments().isEmpty()) {
        err << args.value(0) << ": unexpected argument '" << parser.positionalArguments().first() << "'.\n";
        return kExitUsage;
    }
    if (!SelectBox(err))
        return kExitFailure;

    CCliHost host(err);
    CSettingsStore store(true);
    CAcquisition acq(host, &store);
    host.Attach(&acq);
    acq.OnGo();
    if (!host.m_messages.isEmpty())
        return kExitFailure;
    out << "Board temperature: " << acq.m_strBoardTemp << "\n"
        << "Sensor 1: " << acq.m_strSensor1 << "\n"
        << "Sensor 2: " << acq.m_strSensor2 << "\n";
    return kExitOk;
}

}  // namespace cli
