#include "app/CCommandLineInfo.h"
#include "app/CVadelApp.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    {
        // Help and usage errors need no display.
        QCoreApplication::setApplicationName(QStringLiteral("vadel"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0.1"));
        if (const std::optional<int> nStatus = AnswerWithoutWindow(argc, argv))
            return *nStatus;
    }
    CVadelApp app(argc, argv);
    return app.Run();
}
