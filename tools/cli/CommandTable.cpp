// One line per subcommand; each lives in a file of its own.
#include "tools/cli/CliCommand.h"

namespace cli {

int RunInfo(const QStringList& args, QTextStream& out, QTextStream& err);

namespace {

constexpr CLICOMMAND kCommands[] = {
    {"info", "Describe a recording file: header, signal names and extension chunks.", &RunInfo},
};

}  // namespace

std::span<const CLICOMMAND> Commands()
{
    return kCommands;
}

}  // namespace cli
