#include "tools/cli/CliCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    // Drawing a plot needs the graphics side of Qt, and no display: only then is it started.
    bool bGraphics = false;
    for (int i = 1; i < argc; ++i)
        bGraphics = bGraphics || std::strncmp(argv[i], "--png", 5) == 0;
    if (bGraphics && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (bGraphics)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vadel-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VADEL_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int nExit = cli::Run(QCoreApplication::arguments(), out, err);
    out.flush();
    err.flush();
    return nExit;
}
