#include "Failure.h"

#include "TerminalText.h"
#include "Utf8.h"

namespace kinmatch_cli {

namespace {

constexpr std::size_t QuotedCharacters = 60;

} // namespace

Failure::Failure(int status, std::string where, std::string what, std::string cause)
    : status_(status)
{
    std::string line = "kinmatch-cli: " + where + ": " + what;
    if (!cause.empty())
        line += ": " + cause;
    line_ = kinmatch::VisibleControls(line) + "\n";
}

Failure BadInputAt(std::string where, std::string what, std::string cause)
{
    return Failure(BadInput, std::move(where), std::move(what), std::move(cause));
}

Failure CannotWrite(std::string where, std::string cause)
{
    return Failure(WriteFailed, std::move(where), "cannot write", std::move(cause));
}

std::string Quoted(std::string_view text)
{
    const std::string_view shown = kinmatch::FirstCharacters(text, QuotedCharacters);
    return "'" + kinmatch::VisibleControls(shown) + (shown.size() < text.size() ? "...'" : "'");
}

} // namespace kinmatch_cli
