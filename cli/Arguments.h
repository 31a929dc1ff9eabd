#pragma once

// A kinmatch-cli command line as a command reads it.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kinmatch_cli {

struct Arguments {
    std::string command; // names the command in messages
    std::vector<std::string> positional;
    // Each option given, in order, with its values; an option may be given more than once.
    std::vector<std::pair<std::string, std::vector<std::string>>> options;

    bool has(const std::string& option) const;
    // The values of the option's first occurrence.
    const std::vector<std::string>& value(const std::string& option) const;
    std::vector<std::vector<std::string>> all(const std::string& option) const;
    // Throws a Failure naming what is wanted unless there are exactly count positional
    // arguments.
    void expectPositional(std::size_t count, std::string_view wanted) const;
};

// The arguments after a command. "-" and anything not starting with "-" is positional, and so
// is everything after "--". optionArity names each option the command accepts and how many
// values follow it. Throws a Failure.
Arguments ParseArguments(const std::string& command, const std::vector<std::string>& args,
                         const std::map<std::string, std::size_t>& optionArity);

// At most one of the options may be given; returns it, or an empty text.
std::string OneOf(const Arguments& arguments, const std::vector<std::string>& options);

} // namespace kinmatch_cli
