#pragma once

// How a kinmatch-cli command stops short: one line on standard error,
// "kinmatch-cli: WHERE: WHAT[: CAUSE]", and an exit status.

#include <exception>
#include <string>
#include <string_view>

namespace kinmatch_cli {

// Exit statuses.
inline constexpr int Success = 0;
inline constexpr int WriteFailed = 1;
inline constexpr int BadInput = 2;

class Failure : public std::exception {
public:
    // where names the place (a command, an argument, "standard input, line 3", a file), what
    // the problem, cause the system's reason where there is one.
    Failure(int status, std::string_view where, std::string_view what, std::string_view cause = {});

    int status() const { return status_; }
    // The whole line, its line break included, with any control character shown as an escape.
    const std::string& line() const { return line_; }
    const char* what() const noexcept override { return line_.c_str(); }

private:
    int status_;
    std::string line_;
};

// Bad input or a bad command line: status 2.
Failure BadInputAt(std::string_view where, std::string_view what, std::string_view cause = {});
// An output that could not be written: status 1. The cause is in English as the file layer
// gives it, and shown in the reader's language.
Failure CannotWrite(std::string_view where, std::string_view cause);

// Input quoted in a message: in single quotes, its control characters shown, and cut to about
// 60 characters so that a huge line never makes a huge message.
std::string Quoted(std::string_view text);

} // namespace kinmatch_cli
