#pragma once
// What the command line asks for: vadel [--simulate[=OPTIONS]] [FILE]
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

struct CCommandLineInfo {
    enum Action { FileNew, FileOpen, ShowHelp, ShowVersion, Invalid };

    Action m_nAction = FileNew;
    // Set when --simulate was given; empty means the simulated box's defaults.
    std::optional<std::string> m_strSimulate;
    QString m_strFileName;
    // Hidden: after start-up take a test capture and save the window as a PNG, then quit.
    QString m_strScreenshot;
    // Usage, version or the reason the line was refused.
    QString m_strMessage;
};

// Parses the arguments after Qt has taken its own (arguments[0] is the program).
CCommandLineInfo ParseCommandLine(const QStringList& strArguments);

// Help, version and usage errors are answered before any window exists, so they work
// without a display. Returns the exit status then; nullopt when the window is to start.
std::optional<int> AnswerWithoutWindow(int argc, char** argv);
