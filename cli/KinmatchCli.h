#pragma once

// kinmatch-cli: readings, matches, groups and reports from the command line, on the same core as
// the windows.

#include <iosfwd>
#include <string>
#include <vector>

namespace kinmatch_cli {

// Exit statuses.
inline constexpr int Success = 0;
inline constexpr int WriteFailed = 1;
inline constexpr int BadInput = 2;

// args excludes the program name; in is standard input (for "-"). Results go to out; a refusal
// is one line on err, and then nothing is written to out or to any file.
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

} // namespace kinmatch_cli
