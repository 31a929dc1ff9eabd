#pragma once

// kinmatch-cli: readings and matches from the command line, on the same core as the windows.

#include <iosfwd>
#include <string>
#include <vector>

namespace kinmatch_cli {

// Exit statuses.
inline constexpr int Success = 0;
inline constexpr int BadInput = 2;

// args excludes the program name. Results go to out, the one-line reason for a refusal to err.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kinmatch_cli
