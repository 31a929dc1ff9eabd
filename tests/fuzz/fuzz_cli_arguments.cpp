// kinmatch-cli's argument and date parsing, through the commands that write no file: every run
// either answers (status 0) or refuses with exactly one line on standard error and nothing on
// standard output (status 2); an accepted date is exactly YYYY-MM-DD.

#include "FuzzCheck.h"
#include "IsoDate.h"
#include "KinmatchCli.h"
#include "StringConsole.h"

#include <cstdio>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    // Arguments are separated by NUL bytes; whatever follows a second NUL NUL is standard input.
    const std::size_t split = input.find(std::string("\0\0", 2));
    const std::string line = input.substr(0, split);
    const std::string stdinText =
        split == std::string::npos ? std::string() : input.substr(split + 2);
    std::vector<std::string> args;
    std::string arg;
    for (const char c : line) {
        if (c == '\0') {
            args.push_back(arg);
            arg.clear();
        } else {
            arg += c;
        }
    }
    args.push_back(arg);

    for (const std::string& text : args) {
        const auto date = kinmatch_cli::ParseBirthDate(text);
        if (const auto* parsed = std::get_if<kinmatch_cli::BirthDate>(&date))
            FUZZ_CHECK(text == kinmatch_cli::IsoText(*parsed));
    }
    // Only the commands that read and print; nothing that writes or reads a named file.
    const std::string command = args.front();
    if (command != "reading" && command != "match" && command != "group" && command != "--help")
        return 0;
    for (const std::string& given : args)
        if (given == "--pdf" || given == "--html" ||
            (command == "group" && given != "-" && !given.empty() && given[0] != '-' &&
             given != "group"))
            return 0;

    StringConsole console;
    console.input = stdinText;
    const int status = kinmatch_cli::Run(args, console);
    if (status == kinmatch_cli::Success) {
        FUZZ_CHECK(console.error.empty());
    } else {
        FUZZ_CHECK(status == kinmatch_cli::BadInput);
        FUZZ_CHECK(console.output.empty());
        const std::string& error = console.error;
        FUZZ_CHECK(!error.empty() && error.find('\n') == error.size() - 1);
    }
    return 0;
}
