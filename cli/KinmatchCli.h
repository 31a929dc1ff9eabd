#pragma once

// kinmatch-cli: readings, matches, groups and reports from the command line, on the same core as
// the windows.

#include "Console.h"
#include "Failure.h"

#include <string>
#include <vector>

namespace kinmatch_cli {

// Input beyond this is refused, from files and from standard input alike.
inline constexpr std::size_t InputLimit = 16 * 1024 * 1024;

// args excludes the program name. Results go to the console's output or to the files named;
// a refusal is one line on its error stream, and then nothing is written to output or to any
// file. Returns the exit status.
int Run(const std::vector<std::string>& args, Console& console);

} // namespace kinmatch_cli
