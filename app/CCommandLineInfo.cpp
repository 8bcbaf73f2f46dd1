#include "app/CCommandLineInfo.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const QString kSimulate = QStringLiteral("simulate");

// The parser knows options with a value and options without one, not both: a bare
// --simulate is turned into --simulate= before it sees the line.
QStringList WithExplicitSimulateValue(const QStringList& strArguments)
{
    QStringList strResult;
    bool bOptionsEnded = false;
    for (const QString& strArg : strArguments) {
        if (strArg == QLatin1String("--"))
            bOptionsEnded = true;
        if (!bOptionsEnded && (strArg == QLatin1String("--simulate") || strArg == QLatin1String("-simulate")))
            strResult.append(QStringLiteral("--simulate="));
        else
            strResult.append(strArg);
    }
    return strResult;
}

}  // namespace

CCommandLineInfo ParseCommandLine(const QStringList& strArguments)
{
    CCommandLineInfo info;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads the sensors of the acquisition box, takes test captures and records "
                       "its microphones into WAV files."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption simulateOption(
        kSimulate,
        QStringLiteral("Work with the simulated box instead of the real one; --simulate alone "
                       "uses its defaults. OPTIONS, comma-separated: fast, silent, absent, "
                       "stall=K, loop1=MA, loop2=MA, temp=C."),
        QStringLiteral("OPTIONS"));
    parser.addOption(simulateOption);
    QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                        QStringLiteral("Take a test capture, save the window to FILE and quit."),
                                        QStringLiteral("FILE"));
    screenshotOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(screenshotOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The document to open (nothing is read from it)."),
                                 QStringLiteral("[FILE]"));

    if (!parser.parse(WithExplicitSimulateValue(strArguments))) {
        info.m_nAction = CCommandLineInfo::Invalid;
        info.m_strMessage = parser.errorText();
        return info;
    }
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        info.m_nAction = CCommandLineInfo::ShowHelp;
        info.m_strMessage = parser.helpText();
        return info;
    }
    if (parser.isSet(versionOption)) {
        info.m_nAction = CCommandLineInfo::ShowVersion;
        info.m_strMessage = QCoreApplication::applicationName() + QLatin1Char(' ') +
                            QCoreApplication::applicationVersion();
        return info;
    }
    const QStringList strFiles = parser.positionalArguments();
    if (strFiles.size() > 1) {
        info.m_nAction = CCommandLineInfo::Invalid;
        info.m_strMessage = QStringLiteral("Only one FILE can be given.");
        return info;
    }
    if (parser.isSet(simulateOption))
        info.m_strSimulate = parser.value(simulateOption).toStdString();
    if (parser.isSet(screenshotOption))
        info.m_strScreenshot = parser.value(screenshotOption);
    if (!strFiles.isEmpty()) {
        info.m_nAction = CCommandLineInfo::FileOpen;
        info.m_strFileName = strFiles.first();
    }
    return info;
}

std::optional<int> AnswerWithoutWindow(int argc, char** argv)
{
    // The parser's usage line names the program through the application object.
    std::optional<QCoreApplication> core;
    if (!QCoreApplication::instance())
        core.emplace(argc, argv);
    QStringList strArguments;
    for (int i = 0; i < argc; ++i)
        strArguments.append(QString::fromLocal8Bit(argv[i]));
    const CCommandLineInfo info = ParseCommandLine(strArguments);
    if (info.m_nAction == CCommandLineInfo::ShowHelp || info.m_nAction == CCommandLineInfo::ShowVersion) {
        std::fputs(qPrintable(info.m_strMessage + QLatin1Char('\n')), stdout);
        return 0;
    }
    if (info.m_nAction != CCommandLineInfo::Invalid)
        return std::nullopt;
    // Single-dash words may be the toolkit's own options (-platform, -style): the
    // application object takes those first, and the line is judged again after it.
    for (int i = 1; i < strArguments.size(); ++i) {
        const QString& strArg = strArguments.at(i);
        if (strArg.size() > 1 && strArg.at(0) == QLatin1Char('-') && strArg.at(1) != QLatin1Char('-'))
            return std::nullopt;
    }
    std::fputs(qPrintable(info.m_strMessage + QStringLiteral("\nTry 'vadel --help'.\n")), stderr);
    return 2;
}
