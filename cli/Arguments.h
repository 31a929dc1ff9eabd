#pragma once

// The command line as kinmatch-cli reads it, and the two ways a command can fail.

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kinmatch_cli {

// Bad input: the message becomes the one line on standard error; exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// An output file could not be written: one line on standard error; exit status 1.
struct WriteError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Arguments {
    std::vector<std::string> positional;
    // Each option given, in order, with its values; an option may be given more than once.
    std::vector<std::pair<std::string, std::vector<std::string>>> options;

    bool has(const std::string& option) const;
    // The values of the option's first occurrence.
    const std::vector<std::string>& value(const std::string& option) const;
    std::vector<std::vector<std::string>> all(const std::string& option) const;
};

// args[first..]: "-" and anything not starting with "-" is positional. optionArity names each
// option the command accepts and how many values follow it. Throws UsageError.
Arguments ParseArguments(const std::vector<std::string>& args, std::size_t first,
                         const std::map<std::string, std::size_t>& optionArity);

// At most one of the options may be given; returns it, or an empty text.
std::string OneOf(const Arguments& arguments, const std::vector<std::string>& options);

} // namespace kinmatch_cli
