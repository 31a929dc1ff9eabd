#include "Failure.h"

#include "Language.h"
#include "TerminalText.h"
#include "Utf8.h"

namespace kinmatch_cli {

namespace {

constexpr std::size_t QuotedCharacters = 60;

} // namespace

Failure::Failure(int status, std::string_view where, std::string_view what, std::string_view cause)
    : status_(status)
{
    std::string line = "kinmatch-cli: ";
    line.append(where).append(": ").append(what);
    if (!cause.empty())
        line.append(": ").append(cause);
    line_ = kinmatch::VisibleControls(line) + "\n";
}

Failure BadInputAt(std::string_view where, std::string_view what, std::string_view cause)
{
    return Failure(BadInput, where, what, cause);
}

Failure CannotWrite(std::string_view where, std::string_view cause)
{
    return Failure(WriteFailed, where, kinmatch::Tr("kinmatch-cli", "cannot write"),
                   kinmatch::Tr("Files", cause));
}

std::string Quoted(std::string_view text)
{
    const std::string_view shown = kinmatch::FirstCharacters(text, QuotedCharacters);
    return "'" + kinmatch::VisibleControls(shown) + (shown.size() < text.size() ? "...'" : "'");
}

} // namespace kinmatch_cli
