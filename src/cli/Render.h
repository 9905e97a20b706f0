#pragma once

#include "cli/CommandLine.h"

namespace cli {

// The exit statuses of the program.
enum class ExitStatus : int {
  Drawn = 0,
  Usage = 1,
  Refused = 2,
  ParseError = 3,
  NotWritten = 4,
  Failed = 5,
  NoDisplay = 6,  // the window was asked for, and there is no display to show it on
};

// Carries out what the command line asked for other than opening the window: help,
// version, a usage error, or a picture drawn without a window. Messages go to
// standard error, the picture to its file or standard output.
ExitStatus Run(const ParsedCommandLine& parsed, int argc, char** argv);

}  // namespace cli
