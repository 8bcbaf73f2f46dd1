#include "tools/cli/CliCommand.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vadel-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VADEL_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int nExit = cli::Run(QCoreApplication::arguments(), out, err);
    out.flush();
    err.flush();
    return nExit;
}
