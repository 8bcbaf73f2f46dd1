#pragma once
// The headless command line: one table of subcommands, each in a file of its own.
#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include <span>

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// args[0] is the command's own path ("vadel-cli info"), the rest its arguments.
using PFNCOMMAND = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

struct CLICOMMAND {
    const char* pszName;
    const char* pszSummary;
    PFNCOMMAND pfnRun;
};

// The registration table (CommandTable.cpp).
std::span<const CLICOMMAND> Commands();

// Runs the whole command line; args[0] is the program.
int Run(const QStringList& args, QTextStream& out, QTextStream& err);

// Parses a subcommand's arguments after adding --help. Returns -1 when the command should
// go on, otherwise the exit code (help printed: 0, usage error reported: 2).
int ParseArguments(QCommandLineParser& parser, const QStringList& args, QTextStream& out,
                   QTextStream& err);

// Help text with the usage line naming strCommandPath.
QString HelpText(const QCommandLineParser& parser, const QString& strCommandPath);

}  // namespace cli
