// One line per subcommand; each lives in a file of its own.
#include "tools/cli/CliCommand.h"

namespace cli {

int RunInfo(const QStringList& args, QTextStream& out, QTextStream& err);
int RunSensors(const QStringList& args, QTextStream& out, QTextStream& err);
int RunCapture(const QStringList& args, QTextStream& out, QTextStream& err);
int RunRecord(const QStringList& args, QTextStream& out, QTextStream& err);

namespace {

constexpr CLICOMMAND kCommands[] = {
    {"info", "Describe a recording file: header, signal names and extension chunks.", &RunInfo},
    {"sensors", "Read the board temperature and the two current-loop sensors.", &RunSensors},
    {"capture", "Take a test capture of 256 frames of the selected microphones.", &RunCapture},
    {"record", "Record the selected microphones into a WAV file.", &RunRecord},
};

}  // namespace

std::span<const CLICOMMAND> Commands()
{
    return kCommands;
}

}  // namespace cli
