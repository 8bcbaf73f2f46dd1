#include "tools/cli/CliCommand.h"
#include "tools/cli/CliBox.h"

#include <QCoreApplication>

namespace cli {

QString HelpText(const QCommandLineParser& parser, const QString& strCommandPath)
{
    QString strHelp = parser.helpText();
    // Qt names the executable in the usage line; a subcommand wants its own path there.
    const QString strUsage = QStringLiteral("Usage: ");
    const qsizetype nOptions = strHelp.indexOf(QStringLiteral(" [options]"));
    if (strHelp.startsWith(strUsage) && nOptions > 0)
        strHelp.replace(strUsage.size(), nOptions - strUsage.size(), strCommandPath);
    return strHelp;
}

int ParseArguments(QCommandLineParser& parser, const QStringList& args, QTextStream& out,
                   QTextStream& err)
{
    const QCommandLineOption help = parser.addHelpOption();
    const QString strPath = args.value(0);
    if (!parser.parse(args)) {
        err << strPath << ": " << parser.errorText() << "\n"
            << "Try '" << strPath << " --help'.\n";
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        out << HelpText(parser, strPath);
        return kExitOk;
    }
    return -1;
}

int Run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString strProgram = QStringLiteral("vadel-cli");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vadel without its window: recording files and the acquisition box."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(version);
    // Listed for --help only: TakeSimulateOption removes it, with or without =OPTIONS.
    parser.addOption(QCommandLineOption(
        QStringLiteral("simulate"),
        QStringLiteral("Use the simulated box; --simulate=OPTIONS (fast, silent, absent, stall=K, loop1=MA, "
                       "loop2=MA, temp=C) configures it. VADEL_SIMULATE does the same.")));
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("The command to run (see below)."),
                                 QStringLiteral("<command> [<args>]"));

    QStringList programArgs = TakeSimulateOption(args);
    if (programArgs.isEmpty())
        programArgs << strProgram;
    programArgs[0] = strProgram;
    const int nParsed = ParseArguments(parser, programArgs, out, err);
    auto listCommands = [&](QTextStream& to) {
        to << "\nCommands:\n";
        for (const CLICOMMAND& command : Commands())
            to << "  " << QString::fromUtf8(command.pszName).leftJustified(10) << " "
               << command.pszSummary << "\n";
        to << "\nRun '" << strProgram << " <command> --help' for a command's arguments.\n";
    };
    if (nParsed == kExitOk) {
        listCommands(out);
        return kExitOk;
    }
    if (nParsed >= 0)
        return nParsed;
    if (parser.isSet(version)) {
        out << strProgram << " " << QCoreApplication::applicationVersion() << "\n";
        return kExitOk;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        err << strProgram << ": no command given.\n" << HelpText(parser, strProgram);
        listCommands(err);
        return kExitUsage;
    }
    const QString strName = positional.first();
    for (const CLICOMMAND& command : Commands()) {
        if (strName == QLatin1String(command.pszName)) {
            QStringList commandArgs = positional.mid(1);
            commandArgs.prepend(strProgram + " " + strName);
            return command.pfnRun(commandArgs, out, err);
        }
    }
    err << strProgram << ": unknown command '" << strName << "'.\n";
    listCommands(err);
    return kExitUsage;
}

}  // namespace cli
